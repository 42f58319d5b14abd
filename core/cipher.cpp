#include "core/cipher.h"

#include <gcrypt.h>

#include <array>
#include <cstring>
#include <stdexcept>

#include "core/base64.h"

namespace qrv {

namespace {

constexpr std::string_view kPassPhrase = "qelto";
constexpr std::size_t kBlock = 8;
constexpr std::size_t kDigest = 20;

void InitLibrary() {
  static const bool kReady = [] {
    gcry_check_version(nullptr);
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    return true;
  }();
  (void)kReady;
}

void Check(gcry_error_t err) {
  if (err) throw std::runtime_error(gcry_strerror(err));
}

// One keyed cipher for one line: the key is the whole SHA-1 digest of the pass
// phrase, the initial vector the Blowfish encryption of eight 0xFF bytes.
// Cipher feedback with 8-bit segments runs over the block cipher here, so that
// each line costs one key schedule. Closing the handle wipes the key schedule.
class LineCipher {
 public:
  LineCipher() {
    InitLibrary();
    std::array<unsigned char, kDigest> key{};
    gcry_md_hash_buffer(GCRY_MD_SHA1, key.data(), kPassPhrase.data(), kPassPhrase.size());
    gcry_error_t err = gcry_cipher_open(&ecb_, GCRY_CIPHER_BLOWFISH, GCRY_CIPHER_MODE_ECB, 0);
    if (!err) err = gcry_cipher_setkey(ecb_, key.data(), key.size());
    Wipe(key.data(), key.size(), 0xFF);
    Check(err);
    register_.fill(0xFF);
    EncryptRegister(register_);
  }
  ~LineCipher() {
    Wipe(register_.data(), register_.size(), 0);
    if (ecb_) gcry_cipher_close(ecb_);
  }
  LineCipher(const LineCipher&) = delete;
  LineCipher& operator=(const LineCipher&) = delete;

  void Encrypt(std::string& buffer) { Run(buffer, true); }
  void Decrypt(std::string& buffer) { Run(buffer, false); }

 private:
  using Block = std::array<unsigned char, kBlock>;

  // For each byte: encrypt the shift register, XOR its first byte with the
  // data, shift the register left and feed the cipher byte in at its end.
  void Run(std::string& buffer, bool encrypt) {
    for (char& c : buffer) {
      Block out = register_;
      EncryptRegister(out);
      const auto in = static_cast<unsigned char>(c);
      const auto result = static_cast<unsigned char>(in ^ out[0]);
      const unsigned char feed = encrypt ? result : in;
      std::memmove(register_.data(), register_.data() + 1, kBlock - 1);
      register_[kBlock - 1] = feed;
      c = static_cast<char>(result);
    }
  }
  void EncryptRegister(Block& block) { Check(gcry_cipher_encrypt(ecb_, block.data(), block.size(), nullptr, 0)); }
  static void Wipe(unsigned char* bytes, std::size_t size, unsigned char with) {
    std::memset(bytes, with, size);
    asm volatile("" : : "r"(bytes) : "memory");  // keep the wipe
  }

  gcry_cipher_hd_t ecb_ = nullptr;
  Block register_{};
};

}  // namespace

std::string EncipherLine(std::string_view line) {
  try {
    LineCipher cipher;
    std::string buffer(line);
    cipher.Encrypt(buffer);
    return Base64Encode(buffer);
  } catch (...) {
    return std::string(line);
  }
}

std::string DecipherLine(std::string_view line) {
  try {
    LineCipher cipher;
    std::string buffer = Base64Decode(line);
    cipher.Decrypt(buffer);
    return buffer;
  } catch (...) {
    return std::string(line);
  }
}

}  // namespace qrv
