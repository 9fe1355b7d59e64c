// chm_contexts <in.chm> <#STRINGS of in.chm> <project folder/> <out.chm>
//
// chmcmd (Free Pascal 3.2.2) stores the target of every [ALIAS] entry in
// #STRINGS as the project folder's absolute path followed by the topic's
// name, so HTML Help looks for "/home/.../help/settings.htm" inside the file
// and finds no topic for that context number. This tool writes a corrected
// copy of #STRINGS (the folder cut off, each string padded with NULs to its
// old length, so every offset into #STRINGS stays valid) at the end of the
// file, in the uncompressed section, and points the directory entry of
// #STRINGS at it. Nothing else in the file changes but the file size field.
// When no string starts with the folder, the file is copied unchanged.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

uint64_t Get(const Bytes& b, size_t at, int size) {
  if (at + size > b.size()) throw std::runtime_error("file too short");
  uint64_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

void Put(Bytes& b, size_t at, int size, uint64_t v) {
  for (int i = 0; i < size; ++i, v >>= 8) b[at + i] = static_cast<uint8_t>(v);
}

// The directory's variable-length numbers: 7 bits a byte, most significant
// first, the high bit set on every byte but the last.
uint64_t GetEncInt(const Bytes& b, size_t& at, size_t end) {
  uint64_t v = 0;
  for (;;) {
    if (at >= end) throw std::runtime_error("directory entry runs past its chunk");
    const uint8_t c = b[at++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
}

Bytes EncInt(uint64_t v) {
  Bytes out{static_cast<uint8_t>(v & 0x7F)};
  while (v >>= 7) out.insert(out.begin(), static_cast<uint8_t>(0x80 | (v & 0x7F)));
  return out;
}

// Cuts `folder` off every string of #STRINGS that starts with it; returns how
// many it changed.
int StripFolder(Bytes& strings, const std::string& folder) {
  int changed = 0;
  size_t at = 0;
  while (at < strings.size()) {
    size_t end = at;
    while (end < strings.size() && strings[end] != 0) ++end;
    const size_t len = end - at;
    if (len > folder.size() && std::memcmp(&strings[at], folder.data(), folder.size()) == 0) {
      const size_t rest = len - folder.size();
      std::memmove(&strings[at], &strings[at + folder.size()], rest);
      std::memset(&strings[at + rest], 0, folder.size());
      ++changed;
    }
    at = end + 1;
  }
  return changed;
}

constexpr size_t kPmglHeader = 0x14;

// Finds the directory entry of `name`; fills the chunk's offset and the
// entry's place within it.
struct Entry {
  size_t chunk = 0;       // file offset of the chunk
  size_t start = 0;       // file offset of the entry
  size_t fieldsAt = 0;    // file offset of the section number
  size_t end = 0;         // file offset just past the entry
  uint64_t section = 0, offset = 0, length = 0;
};

bool FindEntry(const Bytes& chm, size_t dir, const std::string& name, Entry& found) {
  if (Get(chm, dir, 4) != 0x50535449) throw std::runtime_error("no ITSP directory header");  // "ITSP"
  const size_t headerLen = Get(chm, dir + 0x08, 4);
  const size_t chunkSize = Get(chm, dir + 0x10, 4);
  const size_t chunks = Get(chm, dir + 0x2C, 4);
  for (size_t k = 0; k < chunks; ++k) {
    const size_t chunk = dir + headerLen + k * chunkSize;
    if (Get(chm, chunk, 4) != 0x4C474D50) continue;  // "PMGL"; index chunks hold no entries
    const size_t freeSpace = Get(chm, chunk + 4, 4);
    const size_t end = chunk + chunkSize - freeSpace;
    size_t at = chunk + kPmglHeader;
    while (at < end) {
      Entry e;
      e.chunk = chunk;
      e.start = at;
      const uint64_t len = GetEncInt(chm, at, end);
      const std::string entryName(reinterpret_cast<const char*>(&chm[at]), len);
      at += len;
      e.fieldsAt = at;
      e.section = GetEncInt(chm, at, end);
      e.offset = GetEncInt(chm, at, end);
      e.length = GetEncInt(chm, at, end);
      e.end = at;
      if (entryName == name) {
        found = e;
        return true;
      }
    }
  }
  return false;
}

void Fix(const std::string& inPath, const std::string& stringsPath, const std::string& folder,
         const std::string& outPath) {
  Bytes chm = ReadFile(inPath);
  Bytes strings = ReadFile(stringsPath);
  if (Get(chm, 0, 4) != 0x46535449 || Get(chm, 4, 4) != 3) throw std::runtime_error("not an ITSF version 3 file");
  const size_t header0 = Get(chm, 0x38, 8);
  const size_t dir = Get(chm, 0x48, 8);
  const size_t content = Get(chm, 0x58, 8);
  if (Get(chm, header0 + 8, 8) != chm.size()) throw std::runtime_error("file size field does not match the file");

  Entry e;
  if (!FindEntry(chm, dir, "/#STRINGS", e)) throw std::runtime_error("no #STRINGS in " + inPath);
  if (e.length != strings.size()) throw std::runtime_error(stringsPath + " is not the #STRINGS of " + inPath);

  const int changed = StripFolder(strings, folder);
  if (changed == 0) {
    std::printf("chm_contexts: no string starts with %s; %s copied unchanged\n", folder.c_str(), inPath.c_str());
    WriteFile(outPath, chm);
    return;
  }

  // The new entry: section 0 (uncompressed), at the end of the file.
  const uint64_t newOffset = chm.size() - content;
  Bytes fields = EncInt(0);
  for (uint64_t v : {newOffset, static_cast<uint64_t>(strings.size())}) {
    const Bytes b = EncInt(v);
    fields.insert(fields.end(), b.begin(), b.end());
  }
  const size_t oldFieldsLen = e.end - e.fieldsAt;
  const long delta = static_cast<long>(fields.size()) - static_cast<long>(oldFieldsLen);
  const size_t chunkSize = Get(chm, dir + 0x10, 4);
  const size_t freeSpace = Get(chm, e.chunk + 4, 4);
  const size_t entriesEnd = e.chunk + chunkSize - freeSpace;
  const size_t quickrefCount = Get(chm, e.chunk + chunkSize - 2, 2);
  const size_t density = 1 + (size_t{1} << Get(chm, dir + 0x14, 4));
  const size_t quickrefs = quickrefCount / density + 1;
  if (delta > 0 && static_cast<size_t>(delta) + 2 * quickrefs + 2 > freeSpace)
    throw std::runtime_error("no room in the directory chunk of #STRINGS");

  // Shift the entries after this one, then write the new fields.
  Bytes tail(chm.begin() + static_cast<long>(e.end), chm.begin() + static_cast<long>(entriesEnd));
  std::copy(fields.begin(), fields.end(), chm.begin() + static_cast<long>(e.fieldsAt));
  std::copy(tail.begin(), tail.end(), chm.begin() + static_cast<long>(e.fieldsAt + fields.size()));
  if (delta < 0) std::fill_n(chm.begin() + static_cast<long>(entriesEnd + delta), -delta, uint8_t{0});
  Put(chm, e.chunk + 4, 4, freeSpace - delta);
  // Quick references: offsets of every n-th entry from the first entry,
  // written backwards from the chunk's end before the entry count.
  const size_t patched = e.start - (e.chunk + kPmglHeader);
  for (size_t m = 1; m <= quickrefs; ++m) {
    const size_t at = e.chunk + chunkSize - 2 - 2 * m;
    if (at < entriesEnd + delta) break;
    const uint64_t v = Get(chm, at, 2);
    if (v > patched && v < entriesEnd - e.chunk) Put(chm, at, 2, v + delta);
  }

  chm.insert(chm.end(), strings.begin(), strings.end());
  Put(chm, header0 + 8, 8, chm.size());
  WriteFile(outPath, chm);
  std::printf("chm_contexts: %d context target(s) made relative in %s\n", changed, outPath.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: chm_contexts <in.chm> <#STRINGS of in.chm> <project folder/> <out.chm>\n");
    return 2;
  }
  try {
    Fix(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chm_contexts: %s\n", e.what());
    return 1;
  }
  return 0;
}
