// A small command-line parser: options in any order ("--name value",
// "--name=value" or "--flag") and positional arguments.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace xtr::ctl {

class Args {
public:
    // valueOptions: options that take a value; flagOptions: those that do not.
    Args(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
         const std::set<std::string>& flagOptions);

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = "") const;
    const std::vector<std::string>& Positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
    std::string error_;
};

}  // namespace xtr::ctl
