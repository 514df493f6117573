// Host contract: Core::Filesystem::TextOutputFile, a device file written in text mode:
// the program's UTF-8 text is converted to the file's single-byte code page and every
// line ends with CR LF on disk. Made from a full path (the file is created at once, so
// its name is taken), given its whole text in one write, then closed.
//
//   Core::Filesystem::TextOutputFile file("/srv/wagi/tmp/00000003.1wa");
//   file.write(text);
//   file.close();
#pragma once

#include <cstdio>
#include <string>

namespace Core::Filesystem {

class TextOutputFile {
public:
    static constexpr const char* DefaultCodePage = "WINDOWS-1250";

    // Raises "Nie można utworzyć pliku '<path>'." when the file cannot be created.
    explicit TextOutputFile(std::string path, std::string codePage = DefaultCodePage);
    ~TextOutputFile();
    TextOutputFile(const TextOutputFile&) = delete;
    TextOutputFile& operator=(const TextOutputFile&) = delete;

    // Raises "Nie można zapisać pliku '<path>'." on a write failure and the code page's
    // error for a character it cannot hold; nothing is written then.
    void write(const std::string& text);
    // Idempotent; raises the write error when the data cannot be flushed.
    void close();

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string codePage_;
    std::FILE* file_ = nullptr;
};

}  // namespace Core::Filesystem
