// The RC4-from-MD5 vectors recorded from the Windows provider, read from the
// tests' own data (tests/testdata/crypto/vectors.tsv).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct CryptoVector {
    using Bytes = std::vector<unsigned char>;
    Bytes passwordUtf16le;
    Bytes md5;
    Bytes rc4Key;
    Bytes plaintext;
    Bytes ciphertext;

    std::u16string passwordUnits() const
    {
        std::u16string units;
        for (std::size_t i = 0; i + 1 < passwordUtf16le.size(); i += 2)
            units += static_cast<char16_t>(passwordUtf16le[i] | (passwordUtf16le[i + 1] << 8));
        return units;
    }
};

inline CryptoVector::Bytes bytesFromHex(const std::string& hex)
{
    CryptoVector::Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

inline std::string cryptoVectorsPath() { return std::string(KELDRA_TESTDATA) + "/crypto/vectors.tsv"; }

// Every row of the file; a missing or malformed file fails the calling test.
inline std::vector<CryptoVector> loadCryptoVectors()
{
    std::ifstream file(cryptoVectorsPath());
    EXPECT_TRUE(file.good()) << "crypto test vectors missing: " << cryptoVectorsPath();
    std::vector<CryptoVector> vectors;
    std::string line;
    std::getline(file, line); // the header row
    while (std::getline(file, line)) {
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        std::stringstream row(line);
        for (std::string cell; std::getline(row, cell, '\t');)
            cells.push_back(cell);
        if (line.back() == '\t')
            cells.emplace_back();
        EXPECT_EQ(cells.size(), 5u) << "malformed row: " << line;
        if (cells.size() != 5)
            continue;
        vectors.push_back({bytesFromHex(cells[0]), bytesFromHex(cells[1]), bytesFromHex(cells[2]),
                           bytesFromHex(cells[3]), bytesFromHex(cells[4])});
    }
    EXPECT_FALSE(vectors.empty()) << "no vectors in " << cryptoVectorsPath();
    return vectors;
}
