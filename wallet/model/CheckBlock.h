// The password check block: a short random byte string of length L (8, 10,
// 12 or 14) in which byte[i] + byte[L-1-i] = 255 - i. The wallet file keeps
// it encrypted with the document key; a typed password is right when the
// stored block decrypts under its key to bytes with that property. There is
// no other stored trace of the password.
#pragma once

class CCryptUtil;
class CSizedArray;

// A fresh plain check block.
bool makeCheckBlock(CSizedArray& block);
// True when the plain bytes have the property (an odd length never has it; length 0 has).
bool verifyCheckBlock(const CSizedArray& block);

// A fresh check block encrypted with `key`, as the wallet file stores it.
bool makeStoredCheckBlock(const CCryptUtil& key, CSizedArray& stored);

enum class CheckBlockResult {
    Accepted,      // the key is the password's
    Rejected,      // a wrong password
    DecryptFailed, // the key could not decrypt at all
};
CheckBlockResult testStoredCheckBlock(const CCryptUtil& key, const CSizedArray& stored);
