// The native INI layer: any file reads without fault; writing a key and
// reading it back gives the value, and every other line stays as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/ini.h"

namespace {

std::string folder;

std::vector<std::string> bodies(const std::string& content)
{
    std::vector<std::string> out;
    std::string line;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            out.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        out.push_back(line);
    return out;
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder = (std::filesystem::temp_directory_path() / ("fuzz-ini-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(folder);
    return 0;
}

// Input: the file, then a 0xFF byte, the key, 0xFF, the value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto cut1 = input.find('\xFF');
    const auto cut2 = cut1 == std::string::npos ? cut1 : input.find('\xFF', cut1 + 1);
    const std::string content = input.substr(0, cut1);
    std::string key = "Key", value = "value";
    if (cut2 != std::string::npos) {
        key.clear();
        for (char c : input.substr(cut1 + 1, cut2 - cut1 - 1))
            if (std::isalnum(static_cast<unsigned char>(c)))
                key += c;
        value.clear();
        for (char c : input.substr(cut2 + 1))
            if (c != '\r' && c != '\n' && c != '\0')
                value += c;
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t' || value.front() == '\v' || value.front() == '\f'))
            value.erase(0, 1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\v' || value.back() == '\f'))
            value.pop_back();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = "q" + value;
        if (key.empty())
            key = "Key";
    }

    const std::string file = folder + "/ROVIriv.ini";
    const std::string path = folder + "\\ROVIriv.ini";
    { std::ofstream(file, std::ios::binary) << content; }
    for (const char* k : {"AA", "DescTag", "Say", key.c_str()})
        (void)ini_read(path, "Main", k, "default");

    if (!ini_write(path, "Main", key.c_str(), value))
        std::abort();
    if (ini_read(path, "Main", key.c_str(), "<absent>") != value.substr(0, ini_value_limit))
        std::abort();

    // Only the key's own line changed, or at most a header and the key were added.
    const std::vector<std::string> before = bodies(content), after = bodies(slurp(file));
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::size_t removed = before.size() - head - tail, added = after.size() - head - tail;
    if (removed > 1 || added > 2 || (removed == 1 && added != 1))
        std::abort();
    return 0;
}
