#include "cli/CommandArgs.h"

#include "core/FixedText.h"
#include "platform/CodePage.h"

namespace tessamo {

std::optional<std::string> CommandArgs::Value(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> CommandArgs::Values(const std::string& name) const {
    auto it = all.find(name);
    return it == all.end() ? std::vector<std::string>() : it->second;
}

Status ParseCommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                        const std::set<std::string>& flagOptions, CommandArgs& parsed) {
    parsed = CommandArgs{};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.rfind("--", 0) != 0) {
            parsed.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t eq = word.find('=');
        const std::string name = word.substr(0, eq);
        if (valueOptions.count(name)) {
            if (eq != std::string::npos) {
                parsed.values[name] = word.substr(eq + 1);
            } else if (i + 1 < words.size()) {
                parsed.values[name] = words[++i];
            } else {
                return BadWord("option " + name + " needs a value");
            }
            parsed.all[name].push_back(parsed.values[name]);
        } else if (flagOptions.count(name) && eq == std::string::npos) {
            parsed.flags.insert(name);
        } else {
            return BadWord("unknown option " + word);
        }
    }
    return Status::Ok();
}

bool ReadCategoryArgument(const std::string& word, std::string& category) {
    if (ToUpperAscii(word) == "ALL") {
        category = "all";
        return true;
    }
    bool lossy = false;
    const std::string code = Utf8ToCp1252(word, &lossy);
    if (lossy || code.empty() || code.size() > 2) return false;
    category = FixedWidth(code, 2);
    return true;
}

std::string ToConsole(const std::string& cp1252) { return Cp1252ToVisibleUtf8(cp1252); }

std::optional<std::string> MacroArgumentProblem(const std::string& macro) {
    if (macro.find('/') != std::string::npos)
        return "give the name of a macro file in the data folder, without a folder";
    if (macro.size() < 5 || ToUpperAscii(macro.substr(macro.size() - 4)) != ".MCR")
        return "\"" + macro + "\" is not a macro file (*.mcr)";
    return std::nullopt;
}

}  // namespace tessamo
