#include "files/Wildcard.h"

#include <algorithm>
#include <system_error>

namespace Files {

namespace {
// Decodes one UTF-8 code point; malformed bytes count as one character each.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 1;
    if (i + length > s.size() || length == 1) {
        ++i;
        return lead;
    }
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += length;
    return cp;
}

std::u32string codePoints(const std::string& s, LetterCase letterCase) {
    std::u32string result;
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = nextCodePoint(s, i);
        if (letterCase == LetterCase::Ignored && cp >= 'A' && cp <= 'Z') cp += 'a' - 'A';
        result.push_back(cp);
    }
    return result;
}

// Classic two-pointer glob match with backtracking to the last '*'.
bool globMatch(const std::u32string& pattern, const std::u32string& name) {
    std::size_t p = 0, n = 0, star = std::u32string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            resume = n;
        } else if (star != std::u32string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') ++p;
    return p == pattern.size();
}
}  // namespace

bool matchWildcard(const std::string& pattern, const std::string& name, LetterCase letterCase) {
    const std::u32string p = codePoints(pattern, letterCase);
    const std::u32string n = codePoints(name, letterCase);
    if (globMatch(p, n)) return true;
    // The host's rule: "x*.*" also takes names without any dot.
    if (p.size() >= 2 && p.ends_with(U".*") && n.find(U'.') == std::u32string::npos)
        return globMatch(p.substr(0, p.size() - 2), n);
    return false;
}

std::vector<std::string> findFiles(const std::filesystem::path& pathPattern, LetterCase letterCase) {
    const std::string pattern = pathPattern.filename().string();
    std::filesystem::path directory = pathPattern.parent_path();
    if (directory.empty()) directory = ".";
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (matchWildcard(pattern, name, letterCase)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace Files
