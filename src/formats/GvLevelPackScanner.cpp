#include "formats/GvLevelPackScanner.h"

#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/GvPackFolders.h"
#include "platform/OrbException.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbFolder.h"
#include "platform/OrbPaths.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>
#include <set>
#include <utility>

static int compareNoCase(const std::string& a, std::size_t aLength, const std::string& b,
                         std::size_t bLength) {
    const std::size_t common = std::min(aLength, bLength);
    for (std::size_t i = 0; i < common; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return aLength == bLength ? 0 : aLength < bLength ? -1 : 1;
}

static std::size_t trailingDigitsStart(const std::string& text) {
    std::size_t start = text.size();
    while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1]))) {
        --start;
    }
    return start;
}

// Compares two runs of decimal digits by value, however long they are.
static int compareNumbers(const std::string& a, std::size_t aStart, const std::string& b,
                          std::size_t bStart) {
    while (aStart + 1 < a.size() && a[aStart] == '0') {
        ++aStart;
    }
    while (bStart + 1 < b.size() && b[bStart] == '0') {
        ++bStart;
    }
    const std::size_t aLength = a.size() - aStart;
    const std::size_t bLength = b.size() - bStart;
    if (aLength != bLength) {
        return aLength < bLength ? -1 : 1;
    }
    const int order = a.compare(aStart, aLength, b, bStart, bLength);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

static int compareEntries(const GvLevelPackEntry& a, const GvLevelPackEntry& b) {
    if (const int byName = compareNaturally(a.name, b.name); byName != 0) {
        return byName;
    }
    if (a.kind != b.kind) {
        return a.kind < b.kind ? -1 : 1;
    }
    return compareNaturally(a.path, b.path);
}

// A plain top-down merge sort: stable, and safe whatever the comparison does, since
// natural order is not transitive for every mix of names.
static void mergeSort(GvLevelPackList& items, GvLevelPackList& scratch, std::size_t begin,
                      std::size_t end) {
    if (end - begin < 2) {
        return;
    }
    const std::size_t middle = begin + (end - begin) / 2;
    mergeSort(items, scratch, begin, middle);
    mergeSort(items, scratch, middle, end);
    std::size_t left = begin;
    std::size_t right = middle;
    std::size_t out = begin;
    while (left < middle && right < end) {
        // Take from the right only when it is strictly smaller, to keep equal entries
        // in their order.
        if (compareEntries(*items[right], *items[left]) < 0) {
            scratch[out++] = std::move(items[right++]);
        } else {
            scratch[out++] = std::move(items[left++]);
        }
    }
    while (left < middle) {
        scratch[out++] = std::move(items[left++]);
    }
    while (right < end) {
        scratch[out++] = std::move(items[right++]);
    }
    for (std::size_t i = begin; i < end; ++i) {
        items[i] = std::move(scratch[i]);
    }
}

static bool isPackFileName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string extension = name.substr(dot);
    return compareNoCase(extension, extension.size(), ".grv", 4) == 0 ||
           compareNoCase(extension, extension.size(), ".bd", 3) == 0;
}

static void copyHeader(const GvLevelPack& pack, GvLevelPackEntry& entry) {
    entry.name = pack.name;
    entry.description = pack.description;
    entry.author = pack.author;
    entry.date = pack.date;
    entry.web = pack.web;
    entry.email = pack.email;
}

static void readHeader(GvLevelPackEntry& entry) {
    try {
        const std::unique_ptr<OrbFileStream> stream = OrbFileStream::open(entry.path, false);
        if (stream) {
            if (const std::unique_ptr<GvLevelPack> pack = loadLevelPack(*stream, nullptr, true)) {
                copyHeader(*pack, entry);
            }
        }
    } catch (const OrbException&) {
        // An unreadable file is listed all the same; its errors show when it is loaded.
    } catch (const std::exception&) {
    }
}

int compareNaturally(const std::string& a, const std::string& b) {
    const std::size_t aDigits = trailingDigitsStart(a);
    const std::size_t bDigits = trailingDigitsStart(b);
    if (aDigits < a.size() && bDigits < b.size() && aDigits == bDigits) {
        const int byNumber = compareNumbers(a, aDigits, b, bDigits);
        if (byNumber != 0) {
            const int byPrefix = compareNoCase(a, aDigits, b, bDigits);
            return byPrefix != 0 ? byPrefix : byNumber;
        }
    }
    return compareNoCase(a, a.size(), b, b.size());
}

void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn) {
    scanLevelPacks(list, builtIn, GvPackFolders::all());
}

void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn, const std::string& folder) {
    scanLevelPacks(list, builtIn, std::vector<std::string>{folder});
}

void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn,
                    const std::vector<std::string>& folders) {
    GvLevelPackList previous = std::move(list);
    list.clear();

    auto builtInEntry = std::make_unique<GvLevelPackEntry>();
    copyHeader(builtIn, *builtInEntry);
    list.push_back(std::move(builtInEntry));

    std::set<std::string> seen;
    for (const std::string& folder : folders) {
        for (const std::string& fileName : OrbFolder::list(folder)) {
            if (!isPackFileName(fileName)) {
                continue;
            }
            const std::string path = folder + fileName;
            const std::optional<OrbFolder::FileInfo> info = OrbFolder::info(path);
            if (!info || !info->isRegularFile) {
                continue;
            }
            if (!seen.insert(OrbFolder::canonicalPath(path).value_or(path)).second) {
                continue;
            }
            // Paths are compared exactly: on this file system Pack.grv and pack.grv are
            // two different files.
            const auto reusable =
                std::find_if(previous.begin(), previous.end(), [&](const auto& old) {
                    return old && old->kind == GvLevelPackEntry::kFile && old->size == info->size &&
                           old->modified == info->modified && old->path == path;
                });
            if (reusable != previous.end()) {
                list.push_back(std::move(*reusable));
                continue;
            }
            auto entry = std::make_unique<GvLevelPackEntry>();
            entry->kind = GvLevelPackEntry::kFile;
            entry->path = path;
            entry->size = info->size;
            entry->modified = info->modified;
            readHeader(*entry);
            if (entry->name.empty()) {
                entry->name = fileName;
            }
            list.push_back(std::move(entry));
        }
    }

    GvLevelPackList scratch(list.size());
    mergeSort(list, scratch, 0, list.size());
}
