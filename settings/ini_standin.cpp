// The settings file without the Windows profile functions: our own reader
// and writer that treat a file the way those functions do, so a settings
// file means the same on every build. A backslash in the path is the
// folder separator. A write changes only the key's own line (or adds it),
// keeps every other line byte for byte, and replaces the file atomically:
// a temporary file beside it, then a rename.
#include <cstdio>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/ini.h"

namespace {

std::string native_path(const text& path)
{
    std::string p = path;
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return p;
}

std::string_view trim(std::string_view s)
{
    const char* blanks = " \t\r\n\v\f";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// One line of the file, with its line break kept as it was.
struct ini_line {
    std::string body;
    std::string end;  // "\r\n", "\n", "\r" or "" for a last line without one
};

std::vector<ini_line> split_lines(const std::string& content)
{
    std::vector<ini_line> lines;
    std::size_t at = 0;
    while (at < content.size()) {
        const auto brk = content.find_first_of("\r\n", at);
        if (brk == std::string::npos) {
            lines.push_back({content.substr(at), ""});
            break;
        }
        std::size_t next = brk + 1;
        if (content[brk] == '\r' && next < content.size() && content[next] == '\n')
            ++next;
        lines.push_back({content.substr(at, brk - at), content.substr(brk, next - brk)});
        at = next;
    }
    return lines;
}

// The section's name when the line is a header "[name]", else nothing.
bool section_header(std::string_view line, std::string_view& name)
{
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[')
        return false;
    const auto close = t.rfind(']');
    if (close == std::string_view::npos)
        return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// The key's name and value when the line is key=value (comments never).
bool key_line(std::string_view line, std::string_view& name, std::string_view& value)
{
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';')
        return false;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos)
        return false;
    name = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}

// Where the section and the key stand; npos for what is absent.
struct ini_place {
    std::size_t section = std::string::npos;      // header line
    std::size_t section_last = std::string::npos; // last non-blank line of the section
    std::size_t key = std::string::npos;
    std::string_view value;
};

ini_place locate(const std::vector<ini_line>& lines, const char* section, const char* key)
{
    ini_place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name, value;
        if (section_header(lines[i].body, name)) {
            if (place.section != std::string::npos)
                break;  // only the first section of that name counts
            if (same_name(name, section))
                place.section = place.section_last = i;
            continue;
        }
        if (place.section == std::string::npos)
            continue;
        if (!trim(lines[i].body).empty())
            place.section_last = i;
        if (place.key == std::string::npos && key_line(lines[i].body, name, value) &&
            same_name(name, key)) {
            place.key = i;
            place.value = value;
        }
    }
    return place;
}

// The whole file; false when there is no regular file to read.
bool read_file(const std::string& path, std::string& content)
{
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    content.clear();
    char buffer[65536];
    while (ok) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0)
            ok = false;
        else if (n == 0)
            break;
        else
            content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return ok;
}

// Writes the whole file and asks the system to put it on disk.
bool write_whole(const std::string& file, const std::string& data)
{
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n <= 0) {
            close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = fsync(fd) == 0;
    return close(fd) == 0 && synced;
}

}  // namespace

text ini_read(const text& path, const char* section, const char* key, const text& def)
{
    std::string content;
    if (!read_file(native_path(path), content))
        return def.substr(0, ini_value_limit);
    const std::vector<ini_line> lines = split_lines(content);
    const ini_place place = locate(lines, section, key);
    if (place.key == std::string::npos)
        return def.substr(0, ini_value_limit);
    std::string_view v = place.value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return text(v.substr(0, ini_value_limit));
}

bool ini_write(const text& path, const char* section, const char* key, const text& value)
{
    const std::string file = native_path(path);
    std::string content;
    if (access(file.c_str(), F_OK) == 0 && !read_file(file, content))
        return false;  // there, but not a readable file

    std::vector<ini_line> lines = split_lines(content);
    const ini_place place = locate(lines, section, key);
    const std::string entry = std::string(key) + "=" + value;
    if (place.key != std::string::npos) {
        std::string_view name, old;
        key_line(lines[place.key].body, name, old);
        lines[place.key].body = std::string(name) + "=" + value;
    } else {
        std::vector<ini_line> added;
        std::size_t at;
        if (place.section != std::string::npos) {
            at = place.section_last + 1;
        } else {
            added.push_back({"[" + std::string(section) + "]", "\r\n"});
            at = lines.size();
        }
        added.push_back({entry, "\r\n"});
        if (at > 0 && lines[at - 1].end.empty())
            lines[at - 1].end = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }

    std::string out;
    for (const ini_line& l : lines)
        out += l.body + l.end;

    const std::string temp = file + ".tmp" + std::to_string(getpid());
    if (!write_whole(temp, out)) {
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
