#include "settings/registry.h"

#include <exception>

namespace varmio {
namespace {

std::string belowLocalMachine(std::string_view keyPath) {
    return "HKEY_LOCAL_MACHINE\\" + std::string(keyPath);
}

}  // namespace

std::string RegReadValue(Hive& hive, std::string_view keyPath, std::string_view name) {
    try {
        auto data = hive.findByEnumeration(belowLocalMachine(keyPath), name);
        if (!data || data->empty()) return {};
        data->pop_back();
        return *std::move(data);
    } catch (const std::exception&) {
        return {};
    }
}

bool RegWriteValue(Hive& hive, std::string_view keyPath, std::string_view name,
                   std::string_view value) {
    try {
        std::string data(value);
        data.push_back('\0');
        hive.setValue(belowLocalMachine(keyPath), name, kRegSz, data);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace varmio
