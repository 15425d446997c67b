// expect and dump: reading the windows without acting on them. They work on hidden controls and
// after the program ended too.
#include "control_properties.h"
#include "interpreter.h"
#include "script_stop.h"
#include "wizard/form.h"

namespace varmio::replay {

namespace {

std::string valueWords(const std::vector<std::string>& values) {
    std::string out;
    for (const std::string& v : values)
        out += " " + quoteIfNeeded(v);
    return out;
}

// Booleans compare by meaning, so "1", "true" and "True" all match a shown control.
bool sameBoolean(const Command& cmd, const std::string& actual) {
    bool want = false;
    if (cmd.values.size() != 1 || !parseBoolean(cmd.values[0], want))
        throw ScriptStop{cmd.property + " takes one of 1, 0, true, false"};
    return want == (actual == "true");
}

}  // namespace

void Interpreter::expectProperty(const Command& cmd) {
    Target target = names_->resolve(cmd.target);
    std::vector<std::string> actual;
    try {
        actual = target.control ? readProperty(*target.control, cmd.property)
                                : readFormProperty(*target.form, cmd.property);
    } catch (const PropertyError& e) {
        throw ScriptStop{e.what()};
    }
    bool same = isBooleanProperty(cmd.property) && actual.size() == 1 ? sameBoolean(cmd, actual[0])
                                                                      : actual == cmd.values;
    if (!same)
        fail(cmd.line, "expected " + cmd.target + "." + cmd.property + " = " +
                           bracketList(cmd.values) + " but was " + bracketList(actual));
}

void Interpreter::expectMessage(const Command& cmd) {
    const auto& last = dialogs_.lastMessage();
    if (last && *last == cmd.values.at(0)) return;
    fail(cmd.line,
         "expected message = " + bracketList(cmd.values) + " but was " +
             bracketList(last ? std::vector<std::string>{*last} : std::vector<std::string>{}));
}

void Interpreter::expectEnded(const Command& cmd) {
    if (!ended_) fail(cmd.line, "expected ended but the program is still running");
}

void Interpreter::dump(const Command& cmd) {
    Target target = names_->resolve(cmd.target);
    if (target.control) {
        dumpControl(cmd.target, *target.control);
        return;
    }
    // A whole window: its own properties, then every control on it.
    for (const std::string& p : formPropertyNames(*target.form))
        transcript_.line(cmd.target + "." + p + valueWords(readFormProperty(*target.form, p)));
    for (Control* c : target.form->controls())
        dumpControl(target.prefix + c->id(), *c);
}

void Interpreter::dumpControl(const std::string& name, Control& control) {
    for (const std::string& p : propertyNames(control))
        transcript_.line(name + "." + p + valueWords(readProperty(control, p)));
}

}  // namespace varmio::replay
