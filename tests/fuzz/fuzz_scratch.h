// A scratch folder for the fuzz targets that need files: one per process, under $TMPDIR,
// emptied after each input and removed when the process ends normally. libFuzzer ends a timed
// run without exit handlers, so scripts/fuzz.sh gives every target a private TMPDIR that it
// removes afterwards; a run by hand leaves at most an empty folder.
#pragma once

#include <stdlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace karvo::fuzz {

// A broken property: says which one before the crash libFuzzer records.
// (clang 14 has no std::source_location; both compilers have these built-ins.)
inline void check(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (!ok) {
        std::fprintf(stderr, "check failed at %s:%d\n", file, line);
        std::abort();
    }
}

class Scratch {
  public:
    static Scratch& get() {
        static Scratch scratch;
        return scratch;
    }
    const std::filesystem::path& path() const { return path_; }

    // Removes everything in the folder. Each input starts and ends with it.
    void clear() const {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path_, ec))
            std::filesystem::remove_all(e.path(), ec);
    }
    std::filesystem::path write(const std::filesystem::path& relative,
                                std::string_view bytes) const {
        const std::filesystem::path file = path_ / relative;
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    Scratch() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "karvo-fuzz-XXXXXX").string();
        check(::mkdtemp(tmpl.data()) != nullptr);
        path_ = tmpl;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(get().path_, ec);
        });
    }
    std::filesystem::path path_;
};

// Splits the input at "\n--\n" into at most `n` parts; missing parts are empty.
template <std::size_t n>
std::array<std::string_view, n> parts(std::string_view input) {
    std::array<std::string_view, n> out{};
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t cut = i + 1 == n ? std::string_view::npos : input.find("\n--\n");
        out[i] = input.substr(0, cut);
        if (cut == std::string_view::npos)
            break;
        input.remove_prefix(cut + 4);
    }
    return out;
}

}  // namespace karvo::fuzz
