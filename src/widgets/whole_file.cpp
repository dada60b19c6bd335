#include "widgets/whole_file.h"

#include "config/config_file.h"
#include "files/bounded_read.h"
#include "files/file_name.h"

#include <cstdio>
#include <memory>

namespace corvane {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

int ReadWholeFile(const QString& path, std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(FileNameBytes(path).constData(), "rb"));
    if (!file) {
        return file_status::kNotOpened;
    }
    std::uint64_t size = 0;
    if (const int status = GetFileSize(file.get(), &size); status != 0) {
        return status;
    }
    // A file far larger than any configuration or software image is refused as memory it would take.
    if (size > std::uint64_t(kMaxConfigurationFileSize)) {
        return file_status::kOutOfMemory;
    }
    try {
        bytes.assign(size, 0);
    } catch (const std::exception&) { // bad_alloc, or a size no vector can hold
        return file_status::kOutOfMemory;
    }
    if (size != 0 && std::fread(bytes.data(), 1, size, file.get()) != size) {
        bytes.clear();
        return file_status::kIncomplete;
    }
    return 0;
}

} // namespace corvane
