// Known lines enciphered by an independent Blowfish implementation; the same
// tests run natively and under Wine, so both builds must give these bytes.
#include "core/cipher.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace qrv {
namespace {

struct Known {
  std::string plain;
  std::string enciphered;
};

const Known kKnown[] = {
    {"", ""},
    {"a", "/w=="},
    {"ab", "/4A="},
    {"abc", "/4AH"},
    {"abcd", "/4AHWQ=="},
    {"S=0{Wiki}11<CB=Encyclopedia!><D=!D><HINT=Look it up!H>|https://en.wikipedia.org/w/"
     "index.php?search=<QRV!>",
     "zejlcyW/rEErrmWGTLPwymYhvQeHiwzqA8a6h6u499yPdIYNE2CeFTaUGZpFHZnYHDatbttDfsINYFIPdinq3OWKcP74x/"
     "PJRp/55G9wFjr8qwmPc5UpIrfX6DiA11N/0pawqfcssswT"},
    {std::string("line\r\nwith CR LF and \xE9\xFF\0 bytes", 30), "8pLcVAIEqZXfOOUIDiN+g8K2vBNELQL02A1iFSxG"},
};

TEST(Cipher, EnciphersKnownLinesToTheByte) {
  for (const auto& k : kKnown) {
    EXPECT_EQ(EncipherLine(k.plain), k.enciphered) << k.plain;
    EXPECT_EQ(DecipherLine(k.enciphered), k.plain) << k.enciphered;
  }
}

// Every line starts from the same vector and any bytes come back: the length
// follows the plain line alone.
TEST(Cipher, AnyBytesRoundTripAtTheLengthOfThePlainLine) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (std::size_t n = 0; n <= all.size(); ++n) {
    const std::string plain = all.substr(all.size() - n);
    const std::string enciphered = EncipherLine(plain);
    EXPECT_EQ(enciphered.size(), (n + 2) / 3 * 4) << n;
    EXPECT_EQ(DecipherLine(enciphered), plain) << n;
    EXPECT_EQ(EncipherLine(plain), enciphered) << n;
  }
  EXPECT_EQ(DecipherLine(EncipherLine("\r\n\r\n")), "\r\n\r\n");
}

TEST(Cipher, WhatDoesNotDecipherComesBackUnchanged) {
  EXPECT_EQ(DecipherLine("K=1{LUNCH}3"), "K=1{LUNCH}3");  // length 11
  EXPECT_EQ(DecipherLine("abcde"), "abcde");
  // Plain text of a length 4k is not detected: it deciphers to other bytes.
  EXPECT_NE(DecipherLine("K=1{LUNCH}31"), "K=1{LUNCH}31");
  EXPECT_EQ(DecipherLine("K=1{LUNCH}31").size(), 9u);
}

TEST(Cipher, LinesFromManyThreadsAtOnceKeepTheirBytes) {
  // The keyed cipher is shared by the whole process; lines running at the same
  // time must not feed into each other.
  const Known& record = kKnown[5];
  std::vector<std::thread> threads;
  std::vector<int> wrong(8, 0);
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i)
        if (EncipherLine(record.plain) != record.enciphered || DecipherLine(record.enciphered) != record.plain)
          ++wrong[static_cast<std::size_t>(t)];
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(8, 0));
}

}  // namespace
}  // namespace qrv
