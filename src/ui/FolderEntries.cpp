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

// Names as they are read from the folder, end to end, before they are sorted.
class SortedNames {
  public:
    void Add(std::string_view name) {
        starts_.push_back(bytes_.size());
        bytes_.append(name);
    }
    // The names in the order they are shown: by their shown names ignoring letter case, then by
    // their bytes. The views point into this object.
    std::vector<std::string_view> Sorted() const;

  private:
    std::string_view Name(std::size_t index) const {
        const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : bytes_.size();
        return std::string_view(bytes_).substr(starts_[index], end - starts_[index]);
    }

    std::string bytes_;
    std::vector<std::size_t> starts_;
};

// How a name is stored: a head byte, the bytes after those it shares with the name before it,
// up to its extension, and a NUL. The head holds the extension's code in its two high bits and
// the number of shared bytes (at most 63) in the others.
constexpr std::string_view kExtensions[] = {"", ".ies", ".IES", ".ldt"};
constexpr std::size_t kMostShared = 63;

struct Encoded {
    unsigned extension = 0;
    std::size_t shared = 0;
    std::string_view rest; // after the shared bytes, before the extension
};

unsigned ExtensionOf(std::string_view name) {
    for (unsigned code = 1; code < std::size(kExtensions); ++code)
        if (name.ends_with(kExtensions[code]))
            return code;
    return 0;
}

Encoded Encode(const std::vector<std::string_view>& sorted, std::size_t index) {
    const std::string_view name = sorted[index];
    Encoded encoded;
    encoded.extension = ExtensionOf(name);
    const std::size_t stem = name.size() - kExtensions[encoded.extension].size();
    if (index % FolderNames::kRestart != 0) {
        const std::string_view before = sorted[index - 1];
        const std::size_t most = std::min({stem, before.size(), kMostShared});
        while (encoded.shared < most && name[encoded.shared] == before[encoded.shared])
            ++encoded.shared;
    }
    encoded.rest = name.substr(encoded.shared, stem - encoded.shared);
    return encoded;
}

std::size_t EncodedSize(const Encoded& encoded) {
    return encoded.rest.size() + 2;
}

void Append(const Encoded& encoded, std::string& bytes) {
    bytes += static_cast<char>(encoded.extension << 6 | encoded.shared);
    bytes += encoded.rest;
    bytes += '\0';
}

// Reads stored names one after another from a whole one, keeping the name just read.
class NameDecoder {
  public:
    NameDecoder(std::string_view bytes, std::size_t offset) : bytes_(bytes), offset_(offset) {}

    std::string_view Next() {
        const auto head = static_cast<unsigned char>(bytes_[offset_]);
        const std::size_t end = bytes_.find('\0', offset_ + 1);
        name_.resize(head & kMostShared);
        name_.append(bytes_.substr(offset_ + 1, end - offset_ - 1));
        name_.append(kExtensions[head >> 6]);
        offset_ = end + 1;
        return name_;
    }

  private:
    std::string_view bytes_;
    std::size_t offset_;
    std::string name_;
};
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

std::string FolderNames::operator[](std::size_t index) const {
    NameDecoder decoder(bytes_, restarts_[index / kRestart]);
    for (std::size_t i = index / kRestart * kRestart; i < index; ++i)
        decoder.Next();
    return std::string(decoder.Next());
}

std::size_t FolderNames::Find(std::string_view name) const {
    NameDecoder decoder(bytes_, 0);
    for (std::size_t index = 0; index < size_; ++index)
        if (decoder.Next() == name)
            return index;
    return size_;
}

void FolderNames::ForEach(const std::function<void(std::size_t, std::string_view)>& visit) const {
    NameDecoder decoder(bytes_, 0);
    for (std::size_t index = 0; index < size_; ++index)
        visit(index, decoder.Next());
}

// Measured first, so that the block is allocated once and exactly.
FolderNames::FolderNames(const std::vector<std::string_view>& sorted) : size_(sorted.size()) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        bytes += EncodedSize(Encode(sorted, i));
    bytes_.reserve(bytes);
    restarts_.reserve((sorted.size() + kRestart - 1) / kRestart);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i % kRestart == 0)
            restarts_.push_back(bytes_.size());
        Append(Encode(sorted, i), bytes_);
    }
}

// The names are gathered end to end, then sorted by index; most comparisons are settled by the
// keys alone, without reaching for the names.
std::vector<std::string_view> SortedNames::Sorted() const {
    std::vector<SortKey> order;
    order.reserve(starts_.size());
    for (std::size_t index = 0; index < starts_.size(); ++index)
        order.push_back(KeyOf(Name(index), index));
    std::sort(order.begin(), order.end(), [this](const SortKey& a, const SortKey& b) {
        if (a.ascii && b.ascii && a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return ShownBefore(Name(a.index), Name(b.index));
    });
    std::vector<std::string_view> sorted;
    sorted.reserve(order.size());
    for (const SortKey& key : order)
        sorted.push_back(Name(key.index));
    return sorted;
}

FolderNames ListFolder(const std::string& folder, EntryKind kind) {
    const Folder listing(::opendir(folder.c_str()));
    SortedNames names;
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
    return FolderNames(names.Sorted());
}

} // namespace lumetra
