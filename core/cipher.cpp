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
    if (buffer.empty()) return true;
    std::string stream(reinterpret_cast<const char*>(vector_.data()), vector_.size());
    stream += buffer;
    std::vector<unsigned char> registers(buffer.size() * kBlock);
    for (std::size_t i = 0; i < buffer.size(); ++i) std::memcpy(&registers[i * kBlock], &stream[i], kBlock);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (gcry_cipher_encrypt(ecb_, registers.data(), registers.size(), nullptr, 0)) return false;
    }
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<char>(buffer[i] ^ registers[i * kBlock]);
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
    ready_ = Open(ecb_, GCRY_CIPHER_MODE_ECB, key) && Open(cfb_, GCRY_CIPHER_MODE_CFB8, key) &&
             !gcry_cipher_encrypt(ecb_, vector_.data(), vector_.size(), nullptr, 0);
    Wipe(key.data(), key.size());
  }
  ~RecordCipher() {
    Wipe(vector_.data(), vector_.size());
    if (ecb_) gcry_cipher_close(ecb_);
    if (cfb_) gcry_cipher_close(cfb_);
  }

  static bool Open(gcry_cipher_hd_t& handle, int mode, const std::array<unsigned char, kDigest>& key) {
    return !gcry_cipher_open(&handle, GCRY_CIPHER_BLOWFISH, mode, 0) &&
           !gcry_cipher_setkey(handle, key.data(), key.size());
  }

  std::mutex mutex_;
  gcry_cipher_hd_t ecb_ = nullptr;
  gcry_cipher_hd_t cfb_ = nullptr;
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
