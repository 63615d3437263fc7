#include "FolderEntries.h"

#include "data/AsciiCase.h"
#include "data/Errors.h"
#include "eulumdat/PhotometryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>

namespace lumetra {

namespace {

struct CloseFolder {
    void operator()(DIR* folder) const { ::closedir(folder); }
};
using Folder = std::unique_ptr<DIR, CloseFolder>;

// What the entry is, following a link; an entry that vanished or cannot be looked at is unknown.
unsigned char TypeOf(DIR* folder, const dirent& entry, int& error) {
    error = 0;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return entry.d_type;
    struct stat status {};
    if (::fstatat(::dirfd(folder), entry.d_name, &status, 0) != 0) {
        error = errno;
        return DT_UNKNOWN;
    }
    return S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
}

bool Wanted(DIR* folder, const dirent& entry, EntryKind kind) {
    const std::string_view name = entry.d_name;
    if (name.empty() || name.front() == '.')
        return false;
    if (kind == EntryKind::PhotometricFiles && !IsPhotometricFileName(name))
        return false;
    int error = 0;
    const unsigned char type = TypeOf(folder, entry, error);
    if (kind == EntryKind::Folders)
        return type == DT_DIR;
    // In a folder that may be listed but not entered a file cannot be looked at; it is listed
    // all the same, so that opening it says why it cannot be read.
    return type == DT_REG || (error != 0 && error != ENOENT);
}

bool ShownBeforeSlowly(std::string_view a, std::string_view b) {
    const int order = ShownName(a).compare(ShownName(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// A name's first eight bytes with ASCII letters folded, the first byte highest, so that comparing
// two keys compares those bytes as ShownBefore does; zero bytes stand after a name's end. Only
// names whose first eight bytes are all ASCII have a key.
struct SortKey {
    std::uint64_t prefix = 0;
    bool ascii = true;
    std::size_t index = 0;
};

SortKey KeyOf(std::string_view name, std::size_t index) {
    SortKey key;
    key.index = index;
    for (std::size_t i = 0; i < 8; ++i) {
        const auto byte = i < name.size() ? static_cast<unsigned char>(name[i]) : 0u;
        key.ascii = key.ascii && byte < 0x80;
        key.prefix =
            key.prefix << 8 | static_cast<unsigned char>(AsciiLower(static_cast<char>(byte)));
    }
    return key;
}

} // namespace

QString ShownName(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Up to the first byte outside ASCII, folding ASCII letters gives the order that comparing the
// shown names ignoring case gives, without building them; most names never leave ASCII.
bool ShownBefore(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (((static_cast<unsigned char>(a[i]) | static_cast<unsigned char>(b[i])) & 0x80) != 0)
            return ShownBeforeSlowly(a, b);
        const char x = AsciiLower(a[i]);
        const char y = AsciiLower(b[i]);
        if (x != y)
            return x < y;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::string_view FolderNames::operator[](std::size_t index) const {
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : bytes_.size();
    return std::string_view(bytes_).substr(starts_[index], end - starts_[index]);
}

std::size_t FolderNames::Find(std::string_view name) const {
    for (std::size_t index = 0; index < size(); ++index)
        if ((*this)[index] == name)
            return index;
    return size();
}

void FolderNames::Add(std::string_view name) {
    starts_.push_back(bytes_.size());
    bytes_.append(name);
}

// Most comparisons are settled by the keys alone, without reaching for the names.
void FolderNames::Sort() {
    std::vector<SortKey> order;
    order.reserve(size());
    for (std::size_t index = 0; index < size(); ++index)
        order.push_back(KeyOf((*this)[index], index));
    std::sort(order.begin(), order.end(), [this](const SortKey& a, const SortKey& b) {
        if (a.ascii && b.ascii && a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return ShownBefore((*this)[a.index], (*this)[b.index]);
    });
    FolderNames sorted;
    sorted.bytes_.reserve(bytes_.size());
    sorted.starts_.reserve(size());
    for (const SortKey& key : order)
        sorted.Add((*this)[key.index]);
    *this = std::move(sorted);
}

FolderNames ListFolder(const std::string& folder, EntryKind kind) {
    const Folder listing(::opendir(folder.c_str()));
    FolderNames names;
    errno = 0;
    for (const dirent* entry = listing ? ::readdir(listing.get()) : nullptr; entry != nullptr;
         entry = ::readdir(listing.get())) {
        if (Wanted(listing.get(), *entry, kind))
            names.Add(entry->d_name);
        errno = 0;
    }
    if (!listing || errno != 0)
        throw LumetraError(LUMETRA_MESSAGE("Folders", "Cannot open folder %1: %2")
                               .Arg(folder)
                               .Arg(std::error_code(errno, std::generic_category()).message()));
    names.Sort();
    return names;
}

} // namespace lumetra
