// Paths from the command line, and the program's own folder, as the system gives them:
// bytes that never went through a text decoder, so that a name that is no UTF-8 still
// reaches the file system unchanged. Toolkits decode arguments into text (Qt replaces
// what is no UTF-8); the programs parse that text and then take each path back here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

class RawArguments {
  public:
    // `decoded` holds the same arguments as the toolkit decoded them, in UTF-8.
    RawArguments(int argc, const char* const* argv, std::vector<std::string> decoded);

    // The bytes of the argument that decoded to `value`: the value of `option` (given as
    // "OPTION VALUE" or "OPTION=VALUE"), or with an empty option any argument. A value
    // that no argument decoded to is taken as it is.
    std::filesystem::path PathOf(const std::string& value, std::string_view option = {}) const;

  private:
    std::vector<std::string> raw_;
    std::vector<std::string> decoded_;
};

}  // namespace tarn
