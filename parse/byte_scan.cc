#include "parse/byte_scan.h"

#include <array>

// The vector paths are built for x86 with a compiler that takes per-function
// targets: one binary runs everywhere and uses AVX2 where it is there.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define KINTREE_SCAN_X86 1
#include <immintrin.h>
// Not for Windows: there GCC keeps the stack 16-byte aligned only, and
// 32-byte vectors it spills there may fault.
#ifndef _WIN32
#define KINTREE_SCAN_AVX2 1
#endif
#endif

namespace {

/// One level's finders over `n` bytes at `data`.
struct ScanFunctions {
  size_t (*countLineFeeds)(const char* data, size_t n);
  size_t (*findCodeStop)(const char* data, size_t n, size_t i);
  size_t (*findTokenStop)(const char* data, size_t n, size_t i);
  size_t (*findLiteralStop)(const char* data, size_t n, size_t i, char quote);
};

// For findCodeStop: 1 for a byte that stops it, the byte that must follow
// for one that starts a keyword pair, 0 for the rest.
constexpr std::array<unsigned char, 256> kCodeStops = [] {
  std::array<unsigned char, 256> table{};
  for (unsigned char c : {'"', '\'', '/', ';', '{', '}'}) table[c] = 1;
  table['s'] = 's';
  table['r'] = 'f';
  table['k'] = 'a';
  return table;
}();

constexpr std::array<bool, 256> kTokenStops = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {';', '{', '}', ':', '"', '\'', '/', '\\'}) table[c] = true;
  return table;
}();

size_t countLineFeedsPortable(const char* data, size_t n) {
  size_t count = 0;
  for (size_t i = 0; i < n; ++i) count += data[i] == '\n';
  return count;
}

size_t findCodeStopPortable(const char* data, size_t n, size_t i) {
  for (; i < n; ++i) {
    unsigned char stop = kCodeStops[static_cast<unsigned char>(data[i])];
    if (stop == 1 || (stop != 0 && i + 1 < n && static_cast<unsigned char>(data[i + 1]) == stop)) {
      return i;
    }
  }
  return n;
}

size_t findTokenStopPortable(const char* data, size_t n, size_t i) {
  while (i < n && !kTokenStops[static_cast<unsigned char>(data[i])]) ++i;
  return i;
}

size_t findLiteralStopPortable(const char* data, size_t n, size_t i, char quote) {
  while (i < n && data[i] != quote && data[i] != '\\' && data[i] != '\n') ++i;
  return i;
}

constexpr ScanFunctions kPortable = {countLineFeedsPortable, findCodeStopPortable,
                                     findTokenStopPortable, findLiteralStopPortable};

#ifdef KINTREE_SCAN_X86

// Both vector widths follow the same plan: compare a block with each byte
// of interest, gather one bit per byte, and find the first set bit; the
// last bytes, fewer than a block, go to the portable loop. Bytes are
// counted by subtracting the all-ones of a match from byte counters, summed
// before any of them can wrap.

__attribute__((target("sse2"))) size_t countLineFeedsSse2(const char* data, size_t n) {
  size_t count = 0;
  size_t i = 0;
  const __m128i lineFeed = _mm_set1_epi8('\n');
  while (n - i >= 16) {
    __m128i counters = _mm_setzero_si128();
    for (int round = 0; round < 255 && n - i >= 16; ++round, i += 16) {
      __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(block, lineFeed));
    }
    __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    count += static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
             static_cast<size_t>(_mm_extract_epi16(sums, 4));
  }
  return count + countLineFeedsPortable(data + i, n - i);
}

__attribute__((target("sse2"))) size_t findCodeStopSse2(const char* data, size_t n, size_t i) {
  // The pairs need the byte after the block too.
  while (i + 17 <= n) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
#define KINTREE_IS(v, c) _mm_cmpeq_epi8(v, _mm_set1_epi8(c))
#define KINTREE_PAIR(a, b) _mm_and_si128(KINTREE_IS(block, a), KINTREE_IS(next, b))
    __m128i stops = _mm_or_si128(
        _mm_or_si128(_mm_or_si128(KINTREE_IS(block, '"'), KINTREE_IS(block, '\'')),
                     _mm_or_si128(KINTREE_IS(block, '/'), KINTREE_IS(block, ';'))),
        _mm_or_si128(_mm_or_si128(KINTREE_IS(block, '{'), KINTREE_IS(block, '}')),
                     _mm_or_si128(_mm_or_si128(KINTREE_PAIR('s', 's'), KINTREE_PAIR('r', 'f')),
                                  KINTREE_PAIR('k', 'a'))));
#undef KINTREE_PAIR
#undef KINTREE_IS
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(stops));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 16;
  }
  return findCodeStopPortable(data, n, i);
}

__attribute__((target("sse2"))) size_t findTokenStopSse2(const char* data, size_t n, size_t i) {
  while (i + 16 <= n) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
#define KINTREE_IS(c) _mm_cmpeq_epi8(block, _mm_set1_epi8(c))
    __m128i stops = _mm_or_si128(_mm_or_si128(_mm_or_si128(KINTREE_IS(';'), KINTREE_IS('{')),
                                              _mm_or_si128(KINTREE_IS('}'), KINTREE_IS(':'))),
                                 _mm_or_si128(_mm_or_si128(KINTREE_IS('"'), KINTREE_IS('\'')),
                                              _mm_or_si128(KINTREE_IS('/'), KINTREE_IS('\\'))));
#undef KINTREE_IS
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(stops));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 16;
  }
  return findTokenStopPortable(data, n, i);
}

__attribute__((target("sse2"))) size_t findLiteralStopSse2(const char* data, size_t n, size_t i,
                                                           char quote) {
  const __m128i quotes = _mm_set1_epi8(quote);
  const __m128i backslashes = _mm_set1_epi8('\\');
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  while (i + 16 <= n) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i stops = _mm_or_si128(
        _mm_cmpeq_epi8(block, quotes),
        _mm_or_si128(_mm_cmpeq_epi8(block, backslashes), _mm_cmpeq_epi8(block, lineFeeds)));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(stops));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 16;
  }
  return findLiteralStopPortable(data, n, i, quote);
}

#ifdef KINTREE_SCAN_AVX2

__attribute__((target("avx2"))) size_t countLineFeedsAvx2(const char* data, size_t n) {
  size_t count = 0;
  size_t i = 0;
  const __m256i lineFeed = _mm256_set1_epi8('\n');
  while (n - i >= 32) {
    __m256i counters = _mm256_setzero_si256();
    for (int round = 0; round < 255 && n - i >= 32; ++round, i += 32) {
      __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
      counters = _mm256_sub_epi8(counters, _mm256_cmpeq_epi8(block, lineFeed));
    }
    uint64_t sums[4];
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(sums),
                        _mm256_sad_epu8(counters, _mm256_setzero_si256()));
    count += static_cast<size_t>(sums[0] + sums[1] + sums[2] + sums[3]);
  }
  return count + countLineFeedsPortable(data + i, n - i);
}

// The stops of findCodeStop by the halves of each byte, which the AVX2
// path looks up sixteen at a time: a byte is a terminator, quote or slash
// when the bits for its high and its low half share one (bit 0: 0x22,
// 0x27, 0x2F; bit 1: 0x3B; bit 2: 0x7B, 0x7D).
alignas(16) constexpr unsigned char kStopByHigh[16] = {0, 0, 1, 2, 0, 0, 0, 4};
alignas(16) constexpr unsigned char kStopByLow[16] = {0, 0, 1, 0, 0, 0, 0, 1,
                                                      0, 0, 0, 6, 0, 4, 0, 1};
// A pair's first byte ("s", "r", "k"), by its low half, and the byte that
// must follow it. The other entries hold a byte of another low half, which
// no byte looked up by its own can equal.
alignas(16) constexpr unsigned char kPairFirst[16] = {1, 0, 'r', 's', 5,  4,  7,  6,
                                                      9, 8, 11,  'k', 13, 12, 15, 14};
alignas(16) constexpr unsigned char kPairSecond[16] = {0, 0, 'f', 's', 0, 0, 0, 0,
                                                       0, 0, 0,   'a', 0, 0, 0, 0};

__attribute__((target("avx2"))) __m256i lookupTable(const unsigned char* table) {
  return _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(table)));
}

__attribute__((target("avx2"))) size_t findCodeStopAvx2(const char* data, size_t n, size_t i) {
  const __m256i lowHalf = _mm256_set1_epi8(0x0F);
  const __m256i byHigh = lookupTable(kStopByHigh);
  const __m256i byLow = lookupTable(kStopByLow);
  const __m256i pairFirst = lookupTable(kPairFirst);
  const __m256i pairSecond = lookupTable(kPairSecond);
  // The pairs need the byte after the block too.
  while (i + 33 <= n) {
    __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
    __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i + 1));
    __m256i low = _mm256_and_si256(block, lowHalf);
    __m256i high = _mm256_and_si256(_mm256_srli_epi16(block, 4), lowHalf);
    __m256i stop =
        _mm256_and_si256(_mm256_shuffle_epi8(byHigh, high), _mm256_shuffle_epi8(byLow, low));
    __m256i pair = _mm256_and_si256(_mm256_cmpeq_epi8(block, _mm256_shuffle_epi8(pairFirst, low)),
                                    _mm256_cmpeq_epi8(next, _mm256_shuffle_epi8(pairSecond, low)));
    unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(
        _mm256_or_si256(_mm256_cmpgt_epi8(stop, _mm256_setzero_si256()), pair)));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 32;
  }
  return findCodeStopPortable(data, n, i);
}

__attribute__((target("avx2"))) size_t findTokenStopAvx2(const char* data, size_t n, size_t i) {
  while (i + 32 <= n) {
    __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
#define KINTREE_IS(c) _mm256_cmpeq_epi8(block, _mm256_set1_epi8(c))
    __m256i stops =
        _mm256_or_si256(_mm256_or_si256(_mm256_or_si256(KINTREE_IS(';'), KINTREE_IS('{')),
                                        _mm256_or_si256(KINTREE_IS('}'), KINTREE_IS(':'))),
                        _mm256_or_si256(_mm256_or_si256(KINTREE_IS('"'), KINTREE_IS('\'')),
                                        _mm256_or_si256(KINTREE_IS('/'), KINTREE_IS('\\'))));
#undef KINTREE_IS
    unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(stops));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 32;
  }
  return findTokenStopPortable(data, n, i);
}

__attribute__((target("avx2"))) size_t findLiteralStopAvx2(const char* data, size_t n, size_t i,
                                                           char quote) {
  const __m256i quotes = _mm256_set1_epi8(quote);
  const __m256i backslashes = _mm256_set1_epi8('\\');
  const __m256i lineFeeds = _mm256_set1_epi8('\n');
  while (i + 32 <= n) {
    __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
    __m256i stops = _mm256_or_si256(_mm256_cmpeq_epi8(block, quotes),
                                    _mm256_or_si256(_mm256_cmpeq_epi8(block, backslashes),
                                                    _mm256_cmpeq_epi8(block, lineFeeds)));
    unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(stops));
    if (mask != 0) return i + static_cast<unsigned>(__builtin_ctz(mask));
    i += 32;
  }
  return findLiteralStopPortable(data, n, i, quote);
}

constexpr ScanFunctions kAvx2 = {countLineFeedsAvx2, findCodeStopAvx2, findTokenStopAvx2,
                                 findLiteralStopAvx2};

#endif  // KINTREE_SCAN_AVX2

constexpr ScanFunctions kSse2 = {countLineFeedsSse2, findCodeStopSse2, findTokenStopSse2,
                                 findLiteralStopSse2};

#endif  // KINTREE_SCAN_X86

ScanLevel detectLevel() {
#ifdef KINTREE_SCAN_X86
  __builtin_cpu_init();
#ifdef KINTREE_SCAN_AVX2
  if (__builtin_cpu_supports("avx2")) return ScanLevel::Avx2;
#endif
  if (__builtin_cpu_supports("sse2")) return ScanLevel::Sse2;
#endif
  return ScanLevel::Portable;
}

const ScanFunctions& functionsFor(ScanLevel level) {
#ifdef KINTREE_SCAN_AVX2
  if (level == ScanLevel::Avx2) return kAvx2;
#endif
#ifdef KINTREE_SCAN_X86
  if (level == ScanLevel::Sse2) return kSse2;
#endif
  (void)level;
  return kPortable;
}

// The portable finders until the processor has been asked, so that a scan
// from another file's static initialiser still works.
ScanLevel gLevel = ScanLevel::Portable;
const ScanFunctions* gActive = &kPortable;
const ScanLevel gBest = [] {
  ScanLevel best = detectLevel();
  gLevel = best;
  gActive = &functionsFor(best);
  return best;
}();

}  // namespace

ScanLevel bestScanLevel() { return gBest; }

ScanLevel scanLevel() { return gLevel; }

bool setScanLevel(ScanLevel level) {
  if (level > gBest) return false;
  gLevel = level;
  gActive = &functionsFor(level);
  return true;
}

size_t countLineFeeds(std::string_view text) {
  return gActive->countLineFeeds(text.data(), text.size());
}

size_t findCodeStop(std::string_view text, size_t from) {
  return gActive->findCodeStop(text.data(), text.size(), from);
}

size_t findTokenStop(std::string_view text, size_t from) {
  return gActive->findTokenStop(text.data(), text.size(), from);
}

size_t findLiteralStop(std::string_view text, size_t from, char quote) {
  return gActive->findLiteralStop(text.data(), text.size(), from, quote);
}
