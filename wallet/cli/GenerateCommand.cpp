// generate: a random password or passphrase and its strength in bits.
#include "Commands.h"

#include "passwords/PasswordGenerator.h"

#include <cmath>
#include <iostream>

int runGenerate(WalletSession&, const CommandLine& line)
{
    std::optional<std::string> secret;
    double bits = 0;
    if (line.has(kOptWords)) {
        if (line.given & (kOptLength | kOptDigits | kOptLower | kOptUpper | kOptSymbols | kOptNoLookalikes)) {
            std::cerr << "--words makes a passphrase; the options of a password do not go with it." << std::endl;
            return 2;
        }
        secret = generatePassphrase(line.words);
        bits = passphraseBits(line.words);
    } else {
        PasswordRules rules;
        rules.length = line.length;
        rules.digits = line.has(kOptDigits);
        rules.lower = line.has(kOptLower);
        rules.upper = line.has(kOptUpper);
        rules.symbols = line.has(kOptSymbols);
        rules.noLookalikes = line.has(kOptNoLookalikes);
        secret = generatePassword(rules);
        bits = passwordBits(rules);
        if (!secret) {
            std::cerr << "A password of " << rules.length << " characters cannot hold one of each of the "
                      << passwordClasses(rules).size() << " classes chosen." << std::endl;
            return 2;
        }
    }
    std::cout << *secret << "\n" << "strength: " << static_cast<long>(std::floor(bits)) << " bits" << std::endl;
    return 0;
}
