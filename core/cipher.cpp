#include "core/cipher.h"

#include <gcrypt.h>

#include <array>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/base64.h"

namespace qrv {

namespace {

constexpr std::string_view kPassPhrase = "qelto";
constexpr std::size_t kBlock = 8;
constexpr std::size_t kDigest = 20;

using Block = std::array<unsigned char, kBlock>;

void Wipe(unsigned char* bytes, std::size_t size) {
  std::memset(bytes, 0, size);
  asm volatile("" : : "r"(bytes) : "memory");  // keep the wipe
}

// The one keyed cipher of the process: Blowfish keyed with the whole SHA-1
// digest of the pass phrase, in cipher feedback with 8-bit segments, whose
// initial vector is the Blowfish encryption of eight 0xFF bytes. Keying is by
// far the dearest step (the key schedule and the weak-key scan), so it happens
// once; every line sets the vector afresh and is independent of the others.
// Enciphering feeds each cipher byte back, so it runs byte by byte in the
// library's CFB-8. Deciphering knows every shift register in advance (the
// vector followed by the cipher bytes), so it encrypts all of them in one call,
// which is what makes loading a keyword file quick. The handles are shared, so
// a line runs under the lock. Closing the handles at exit wipes the key
// schedules.
class RecordCipher {
 public:
  static RecordCipher& Instance() {
    static RecordCipher cipher;
    return cipher;
  }
  RecordCipher(const RecordCipher&) = delete;
  RecordCipher& operator=(const RecordCipher&) = delete;

  // Both run over `buffer` in place; false when the library failed.
  bool Encrypt(std::string& buffer) {
    if (!ready_) return false;
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.data());
    const std::lock_guard<std::mutex> lock(mutex_);
    return !gcry_cipher_setiv(cfb_, vector_.data(), vector_.size()) &&
           !gcry_cipher_encrypt(cfb_, bytes, buffer.size(), nullptr, 0);
  }
  bool Decrypt(std::string& buffer) {
    if (!ready_) return false;
    const std::size_t n = buffer.size();
    if (n == 0) return true;
    // The register of byte i is the eight bytes from i of the vector followed
    // by the cipher bytes. The library's 64-bit CFB decryption encrypts, four
    // blocks at a time, each input block before it adds the next one: fed the
    // registers of bytes 1 .. n-1 and a zero block after the vector of byte 0,
    // its output block i is E(register i) added to register i+1.
    std::string stream(reinterpret_cast<const char*>(vector_.data()), vector_.size());
    stream += buffer;
    std::vector<unsigned char> blocks(n * kBlock, 0);
    for (std::size_t i = 1; i < n; ++i) std::memcpy(&blocks[(i - 1) * kBlock], &stream[i], kBlock);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (gcry_cipher_setiv(bulk_, vector_.data(), vector_.size()) ||
          gcry_cipher_decrypt(bulk_, blocks.data(), blocks.size(), nullptr, 0))
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
      const auto nextFirst = static_cast<unsigned char>(i + 1 < n ? stream[i + 1] : 0);
      buffer[i] = static_cast<char>(buffer[i] ^ blocks[i * kBlock] ^ nextFirst);
    }
    return true;
  }

 private:
  RecordCipher() {
    gcry_check_version(nullptr);
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    std::array<unsigned char, kDigest> key{};
    gcry_md_hash_buffer(GCRY_MD_SHA1, key.data(), kPassPhrase.data(), kPassPhrase.size());
    vector_.fill(0xFF);
    gcry_cipher_hd_t ecb = nullptr;
    ready_ = Open(ecb, GCRY_CIPHER_MODE_ECB, key) && Open(cfb_, GCRY_CIPHER_MODE_CFB8, key) &&
             Open(bulk_, GCRY_CIPHER_MODE_CFB, key) &&
             !gcry_cipher_encrypt(ecb, vector_.data(), vector_.size(), nullptr, 0);
    if (ecb) gcry_cipher_close(ecb);
    Wipe(key.data(), key.size());
  }
  ~RecordCipher() {
    Wipe(vector_.data(), vector_.size());
    if (cfb_) gcry_cipher_close(cfb_);
    if (bulk_) gcry_cipher_close(bulk_);
  }

  static bool Open(gcry_cipher_hd_t& handle, int mode, const std::array<unsigned char, kDigest>& key) {
    return !gcry_cipher_open(&handle, GCRY_CIPHER_BLOWFISH, mode, 0) &&
           !gcry_cipher_setkey(handle, key.data(), key.size());
  }

  std::mutex mutex_;
  gcry_cipher_hd_t cfb_ = nullptr;   // CFB-8: enciphering
  gcry_cipher_hd_t bulk_ = nullptr;  // CFB-64: the block encryptions of deciphering
  Block vector_{};
  bool ready_ = false;
};

}  // namespace

std::string EncipherLine(std::string_view line) {
  std::string buffer(line);
  if (!RecordCipher::Instance().Encrypt(buffer)) return std::string(line);
  return Base64Encode(buffer);
}

std::string DecipherLine(std::string_view line) {
  try {
    std::string buffer = Base64Decode(line);
    if (!RecordCipher::Instance().Decrypt(buffer)) return std::string(line);
    return buffer;
  } catch (...) {
    return std::string(line);
  }
}

}  // namespace qrv
