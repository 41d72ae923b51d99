#include "PassphraseWords.h"

// The list's text as the build embedded it: "11111<TAB>abacus" lines.
extern const char kPassphraseListText[];

const std::vector<std::string_view>& passphraseWords()
{
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> list;
        std::string_view text(kPassphraseListText);
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos)
                line.remove_prefix(tab + 1);
            if (!line.empty())
                list.push_back(line);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
        return list;
    }();
    return words;
}
