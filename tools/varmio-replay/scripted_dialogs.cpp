#include "scripted_dialogs.h"

#include "script_stop.h"

namespace varmio::replay {

Answer ScriptedDialogs::take(const std::string& dialog, std::initializer_list<AnswerKind> accepted,
                             const char* takes) {
    std::optional<Answer> answer = answers_.take();
    if (!answer) throw ScriptStop{"unanswered " + dialog};
    for (AnswerKind kind : accepted)
        if (answer->kind == kind) return *answer;
    throw ScriptStop{dialog + " cannot take the answer " + answer->describe() + " of line " +
                     std::to_string(answer->line) + "; it takes " + takes};
}

void ScriptedDialogs::message(std::string_view text, std::string_view) {
    lastMessage_ = std::string(text);
    // A message box acknowledges itself; a script that answers it "ok" anyway is not wrong.
    if (const Answer* next = answers_.peek(); next && next->kind == AnswerKind::Ok) answers_.take();
    transcript_.line("msgbox " + quote(text));
}

bool ScriptedDialogs::question(std::string_view text, std::string_view) {
    lastMessage_ = std::string(text);
    Answer answer = take("question " + quote(text), {AnswerKind::Yes, AnswerKind::No}, "yes or no");
    bool yes = answer.kind == AnswerKind::Yes;
    transcript_.line("msgbox " + quote(text) + (yes ? " -> yes" : " -> no"));
    return yes;
}

std::optional<std::string> ScriptedDialogs::input(std::string_view prompt, std::string_view,
                                                  std::string_view defaultText) {
    Answer answer =
        take("input box " + quote(prompt), {AnswerKind::Text, AnswerKind::Ok, AnswerKind::Cancel},
             "a quoted text, ok (the default) or cancel");
    std::string head = "input " + quote(prompt) + " " + quote(defaultText) + " -> ";
    if (answer.kind == AnswerKind::Cancel) {
        transcript_.line(head + "cancel");
        return std::nullopt;
    }
    std::string typed = answer.kind == AnswerKind::Ok ? std::string(defaultText) : answer.text;
    transcript_.line(head + quote(typed));
    return typed;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileRequest& request) {
    Answer answer = take("file dialog " + quote(request.filter),
                         {AnswerKind::Text, AnswerKind::Cancel}, "a quoted path or cancel");
    std::string head = "filedialog " + quote(request.filter) + " -> ";
    if (answer.kind == AnswerKind::Cancel) {
        transcript_.line(head + "cancel");
        return std::nullopt;
    }
    transcript_.line(head + quote(answer.text));
    return answer.text;
}

void ScriptedDialogs::beep() {
    transcript_.line("beep");
}

}  // namespace varmio::replay
