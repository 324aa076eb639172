#include "ctl/args.h"

namespace xtr::ctl {

Args::Args(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
           const std::set<std::string>& flagOptions)
{
    bool onlyPositional = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (onlyPositional || word.size() < 2 || word.rfind("--", 0) != 0) {
            if (!onlyPositional && word.size() >= 2 && word[0] == '-' && word != "-") {
                if (word == "-o" && valueOptions.count("--output") != 0 && i + 1 < words.size()) {
                    values_["--output"] = words[++i];
                    continue;
                }
                error_ = "unknown option '" + word + "'";
                return;
            }
            positional_.push_back(word);
            continue;
        }
        if (word == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = word;
        std::string value;
        bool hasValue = false;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
            hasValue = true;
        }
        if (valueOptions.count(name) != 0) {
            if (!hasValue) {
                if (i + 1 >= words.size()) {
                    error_ = "option '" + name + "' needs a value";
                    return;
                }
                value = words[++i];
            }
            values_[name] = value;
        } else if (flagOptions.count(name) != 0 && !hasValue) {
            flags_.insert(name);
        } else {
            error_ = "unknown option '" + word + "'";
            return;
        }
    }
}

std::string Args::Value(const std::string& name, const std::string& fallback) const
{
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

}  // namespace xtr::ctl
