// File-level private-profile reads and writes; see private_profile.h.
#include "platform/private_profile.h"

#include <algorithm>
#include <limits>

#include "platform/file_ops.h"

namespace karvo::ini {
namespace {

IniDocument loadDocument(const std::filesystem::path& file, bool* exists) {
    const auto bytes = fileops::readFile(file);
    if (exists)
        *exists = bytes.has_value();
    return bytes ? IniDocument::parse(*bytes) : IniDocument{};
}

}  // namespace

std::string readString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string_view defaultValue,
                       std::size_t bufferChars) {
    return loadDocument(file, nullptr).getString(section, key, defaultValue, bufferChars);
}

bool writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::optional<std::string_view> value) {
    IniTransaction tx(file);
    const bool accepted = value ? tx.set(section, key, *value) : (tx.remove(section, key), true);
    return accepted && tx.commit();
}

bool removeSection(const std::filesystem::path& file, std::string_view section) {
    IniTransaction tx(file);
    tx.removeSection(section);
    return tx.commit();
}

std::int32_t toInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    }
    if (negative)
        value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

IniSnapshot::IniSnapshot(const std::filesystem::path& file) {
    doc_ = loadDocument(file, &exists_);
}

// The lock is that of the folder the write lands in: a link's target's folder, so that writers
// reaching one file through different links still meet.
IniTransaction::IniTransaction(std::filesystem::path file, fileops::FolderLock::Scope scope)
    : file_(std::move(file)),
      lock_(fileops::writeTarget(file_).value_or(file_).parent_path(), scope),
      doc_(loadDocument(file_, nullptr)) {}

bool IniTransaction::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IniDocument::isWritableEntry(section, key, value))
        return false;
    changed_ = doc_.setValue(section, key, value) || changed_;
    return true;
}

bool IniTransaction::remove(std::string_view section, std::string_view key) {
    const bool removed = doc_.removeKey(section, key);
    changed_ = removed || changed_;
    return removed;
}

bool IniTransaction::removeSection(std::string_view section) {
    const bool removed = doc_.removeSection(section);
    changed_ = removed || changed_;
    return removed;
}

bool IniTransaction::commit() {
    if (!changed_)
        return true;
    if (!fileops::writeFileAtomically(file_, doc_.serialize()))
        return false;
    changed_ = false;
    return true;
}

}  // namespace karvo::ini
