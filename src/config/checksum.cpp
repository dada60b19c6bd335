// SPDX-License-Identifier: Apache-2.0
#include "config/checksum.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace corvane {

namespace {

constexpr std::uint32_t kAdlerModulus = 65521;
constexpr std::uint32_t kLargestBlock = 5552; // the 32-bit sums cannot overflow below this

constexpr std::uint32_t kChunk = 32;

// Adds whole 32-byte chunks to the sums. Within a chunk, s2 grows by 32 × s1 plus each byte weighted by the
// number of s2 additions it takes part in, so the sums equal the byte-by-byte ones and the block-end
// reductions see the same values; only the order of the additions changes, which lets them run in parallel.
#if defined(__SSE2__)
std::uint32_t HorizontalSum(__m128i v) {
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, 0x4E));
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, 0xB1));
    return std::uint32_t(_mm_cvtsi128_si32(v));
}

void SumChunks(const std::uint8_t*& p, std::uint32_t chunks, std::uint32_t& s1, std::uint32_t& s2) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights[4] = {
        _mm_setr_epi16(32, 31, 30, 29, 28, 27, 26, 25), _mm_setr_epi16(24, 23, 22, 21, 20, 19, 18, 17),
        _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9), _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1)};
    __m128i byteSum = zero;   // bytes summed so far in this run
    __m128i priorSums = zero; // byteSum before each chunk, added up: each needs 32 more s2 additions
    __m128i weighted = zero;
    for (std::uint32_t i = 0; i < chunks; ++i, p += kChunk) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        priorSums = _mm_add_epi32(priorSums, byteSum);
        byteSum = _mm_add_epi32(byteSum, _mm_add_epi32(_mm_sad_epu8(a, zero), _mm_sad_epu8(b, zero)));
        const __m128i w =
            _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(a, zero), weights[0]),
                                        _mm_madd_epi16(_mm_unpackhi_epi8(a, zero), weights[1])),
                          _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(b, zero), weights[2]),
                                        _mm_madd_epi16(_mm_unpackhi_epi8(b, zero), weights[3])));
        weighted = _mm_add_epi32(weighted, w);
    }
    s2 += chunks * kChunk * s1 + kChunk * HorizontalSum(priorSums) + HorizontalSum(weighted);
    s1 += HorizontalSum(byteSum);
}
#endif

#if defined(__x86_64__)
// The same sums with a whole chunk in one AVX2 register, where the processor has it: an upload sums 1.5 MB
// before it may send its header, so the sums are on the upload's path.
__attribute__((target("avx2"))) std::uint32_t HorizontalSum256(__m256i v) {
    __m128i sum = _mm_add_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0x4E));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0xB1));
    return std::uint32_t(_mm_cvtsi128_si32(sum));
}

__attribute__((target("avx2"))) void SumChunksAvx2(const std::uint8_t*& p, std::uint32_t chunks,
                                                   std::uint32_t& s1, std::uint32_t& s2) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17,
                                             16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    __m256i byteSum = zero;
    __m256i priorSums = zero;
    __m256i weighted = zero;
    for (std::uint32_t i = 0; i < chunks; ++i, p += kChunk) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        priorSums = _mm256_add_epi32(priorSums, byteSum);
        byteSum = _mm256_add_epi32(byteSum, _mm256_sad_epu8(bytes, zero));
        // Byte times weight, in pairs (at most 2 x 255 x 32, within 16 bits), then widened to 32 bits.
        weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), ones));
    }
    s2 += chunks * kChunk * s1 + kChunk * HorizontalSum256(priorSums) + HorizontalSum256(weighted);
    s1 += HorizontalSum256(byteSum);
}
#endif

#if !defined(__SSE2__)
void SumChunks(const std::uint8_t*& p, std::uint32_t chunks, std::uint32_t& s1, std::uint32_t& s2) {
    for (; chunks > 0; --chunks, p += kChunk) {
        std::uint32_t sum = 0;
        std::uint32_t weighted = 0;
        for (std::uint32_t i = 0; i < kChunk; ++i) {
            sum += p[i];
            weighted += (kChunk - i) * p[i];
        }
        s2 += kChunk * s1 + weighted;
        s1 += sum;
    }
}
#endif

void SumWholeChunks(const std::uint8_t*& p, std::uint32_t chunks, std::uint32_t& s1, std::uint32_t& s2) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        SumChunksAvx2(p, chunks, s1, s2);
        return;
    }
#endif
    SumChunks(p, chunks, s1, s2);
}

} // namespace

std::uint32_t ComputeChecksum(std::uint32_t start, std::uint32_t blockSize, const void* data,
                              std::uint32_t length) {
    // A larger block would overflow the sums; clamping keeps the result the true Adler-32.
    if (blockSize == 0 || blockSize > kLargestBlock) {
        blockSize = kLargestBlock;
    }
    std::uint32_t s1 = start & 0xFFFF;
    std::uint32_t s2 = start >> 16;
    auto p = static_cast<const std::uint8_t*>(data);
    while (length > 0) {
        std::uint32_t block = std::min(blockSize, length);
        length -= block;
        SumWholeChunks(p, block / kChunk, s1, s2);
        for (block %= kChunk; block > 0; --block, ++p) {
            s1 += *p;
            s2 += s1;
        }
        s1 %= kAdlerModulus;
        s2 %= kAdlerModulus;
    }
    return (s2 << 16) | s1;
}

std::uint32_t ExtendChecksumWithZeros(std::uint32_t checksum, std::uint32_t count) {
    // Zero bytes leave s1 alone and add s1 to s2 once each.
    const std::uint32_t s1 = checksum & 0xFFFF;
    const std::uint32_t s2 = (checksum >> 16) % kAdlerModulus;
    const std::uint64_t grown = s2 + std::uint64_t(s1) * (count % kAdlerModulus);
    return std::uint32_t(grown % kAdlerModulus) << 16 | s1;
}

} // namespace corvane
