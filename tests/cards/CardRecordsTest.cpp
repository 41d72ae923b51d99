#include "CardKindTable.h"
#include "cards/CardFactory.h"
#include "cards/CardTypeTable.h"
#include "support/CodePageScope.h"
#include "support/RecordStreams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeinfo>

namespace {

const Encoding kEncodings[] = {Encoding::Memory, Encoding::File};

std::string exported(CCard& card)
{
    bool ok = false;
    const Bytes bytes = writeWith(Encoding::Memory, [&](COutputStream& out) { return card.exportText(out); }, &ok);
    EXPECT_TRUE(ok);
    return std::string(bytes.begin(), bytes.end());
}

void expectSameRecord(const CFieldCard& a, const CFieldCard& b, const std::string& where)
{
    EXPECT_EQ(typeid(a), typeid(b)) << where;
    EXPECT_EQ(a.getTypeId(), b.getTypeId()) << where;
    EXPECT_EQ(a.getName(), b.getName()) << where;
    EXPECT_EQ(a.getNotes(), b.getNotes()) << where;
    EXPECT_EQ(a.getIconIndex(), b.getIconIndex()) << where;
    EXPECT_EQ(a.getModifiedTime(), b.getModifiedTime()) << where;
    EXPECT_EQ(a.getCardColor(), b.getCardColor()) << where;
    EXPECT_EQ(a.getTextColor(), b.getTextColor()) << where;
    EXPECT_EQ(a.getHiddenMode(), b.getHiddenMode()) << where;
    EXPECT_EQ(a.getCornerSetting(), b.getCornerSetting()) << where;
    EXPECT_EQ(a.getPicturePlacement(), b.getPicturePlacement()) << where;
    EXPECT_EQ(a.getPlayOnOpen(), b.getPlayOnOpen()) << where;
    EXPECT_EQ(a.getBorder(), b.getBorder()) << where;
    EXPECT_EQ(a.getShowIcon(), b.getShowIcon()) << where;
    EXPECT_EQ(a.getReservedFlag(), b.getReservedFlag()) << where;
    EXPECT_EQ(a.getPicturePath(), b.getPicturePath()) << where;
    EXPECT_EQ(a.getSoundPath(), b.getSoundPath()) << where;
    ASSERT_EQ(a.fieldCount(), b.fieldCount()) << where;
    for (int field = 0; field < a.fieldCount(); ++field)
        EXPECT_EQ(a.fieldText(field), b.fieldText(field)) << where << " field " << field;
}

TEST(CardRecords, FactoryMakesEveryKindInTypeIdOrder)
{
    for (const KindCase& kind : kindCases()) {
        const std::unique_ptr<CCard> card = createCard(kind.typeId);
        ASSERT_NE(card, nullptr) << kind.className;
        EXPECT_EQ(card->getTypeId(), kind.typeId);
        EXPECT_EQ(typeid(*card), typeid(*kind.make(numberedTexts(kind.textCount)))) << kind.className;
    }
    for (int unknown : {-2, 27, 1000})
        EXPECT_EQ(createCard(unknown), nullptr) << unknown;
}

TEST(CardRecords, SaveThenLoadGivesTheSameRecordInBothEncodings)
{
    CodePageScope utf8(CP_UTF8);
    for (const KindCase& kind : kindCases()) {
        std::unique_ptr<CFieldCard> card = kind.make(numberedTexts(kind.textCount, "\xC3\xA9t"));
        card->setCardColor(0x123456);
        card->setTextColor(0x654321);
        card->setHiddenMode(CCard::kShowHidden);
        card->setPicturePlacement(9);
        card->setPlayOnOpen(false);
        card->setBorder(false);
        card->setShowIcon(true);
        card->setPicturePath(CString("pictures\\car.bmp"));
        card->setSoundPath(std::nullopt);
        card->setIconIndex(IconNames::cardTypeIconIndex(kind.typeId));
        card->setModifiedTime(1234567890);
        for (Encoding encoding : kEncodings) {
            const std::string where = std::string(kind.className) + " " + encodingName(encoding);
            bool saved = false;
            const Bytes bytes = writeWith(encoding, [&](COutputStream& out) { return card->save(out); }, &saved);
            ASSERT_TRUE(saved) << where;
            bool loaded = false;
            const std::unique_ptr<CNode> read = readRecord(encoding, bytes, 0, 3, loaded);
            ASSERT_TRUE(loaded) << where;
            expectSameRecord(*card, dynamic_cast<const CFieldCard&>(*read), where);
            EXPECT_EQ(read->getPosition(), 0u);
        }
    }
}

TEST(CardRecords, ExportWritesTheKindsLinesWithTheirLabels)
{
    for (const KindCase& kind : kindCases()) {
        const std::unique_ptr<CFieldCard> card = kind.make(numberedTexts(kind.textCount));
        std::string expected = "Card Name : N\r\n";
        for (const auto& [label, value] : kind.exportLines)
            expected += std::string(label) + value + "\r\n";
        if (kind.notesLine)
            expected += "Notes : n\r\n";
        EXPECT_EQ(exported(*card), expected) << kind.className;
    }
}

TEST(CardRecords, ExportLeavesOutEmptyValues)
{
    for (const KindCase& kind : kindCases()) {
        const std::unique_ptr<CFieldCard> card = kind.make(Texts(static_cast<std::size_t>(kind.textCount)));
        card->getNotes().Empty();
        std::string expected = "Card Name : N\r\n";
        // The lens prescription's list text and eye values are never empty.
        if (kind.typeId == 15)
            expected += "Lens type : Eyeglasses\r\nLeft eye power: -2\r\nLeft eye base curve: 8\r\nLeft eye diameter: 14\r\n"
                        "|Right eye power: 3\r\nRight eye base curve: 9\r\nRight eye diameter: 15\r\n";
        EXPECT_EQ(exported(*card), expected) << kind.className;
    }
}

TEST(CardRecords, SearchLooksAtTheKindsFieldsAndHiddenOnesOnlyWhenAsked)
{
    for (const KindCase& kind : kindCases()) {
        for (int field = 0; field < kind.textCount; ++field) {
            Texts texts(static_cast<std::size_t>(kind.textCount));
            texts[static_cast<std::size_t>(field)] = "xABCx";
            const std::unique_ptr<CFieldCard> card = kind.make(texts);
            const bool searched = kind.searched.count(field) != 0;
            const bool hidden = kind.hidden.count(field) != 0;
            const std::string where = std::string(kind.className) + " text " + std::to_string(field);
            EXPECT_EQ(card->matches("abc", false, false), searched) << where;
            EXPECT_EQ(card->matches("abc", true, false), searched || hidden) << where;
            EXPECT_FALSE(card->matches("abc", true, true)) << where;
            EXPECT_EQ(card->matches("ABC", true, true), searched || hidden) << where;
        }
    }
}

TEST(CardRecords, SearchLooksAtNameAndNotesOfEveryKind)
{
    for (const KindCase& kind : kindCases()) {
        const std::unique_ptr<CFieldCard> card = kind.make(Texts(static_cast<std::size_t>(kind.textCount)));
        card->setName("Card xABCx");
        EXPECT_TRUE(card->matches("abc", false, false)) << kind.className;
        EXPECT_FALSE(card->matches("abc", false, true)) << kind.className;
        card->setName("Card");
        card->getNotes() = "ABC notes";
        EXPECT_TRUE(card->matches("abc", false, false)) << kind.className;
        EXPECT_TRUE(card->matches("", false, true)) << kind.className;
        EXPECT_FALSE(card->matches("zzz", true, false)) << kind.className;
    }
}

TEST(CardRecords, LensSearchLooksAtTheListTextAndTheEyeValuesInDecimal)
{
    using Eye = CCardLensPrescription::EyeValues;
    const CCardLensPrescription lens("L", "", "", "", 0, Eye{-275, 86, 140}, Eye{0, 0, 0}, 6200);
    for (const char* text : {"contact lens", "-275", "86", "140"})
        EXPECT_TRUE(lens.matches(text, false, false)) << text;
    // The pupil distance is not searched, nor the other list entry.
    for (const char* text : {"6200", "eyeglasses"})
        EXPECT_FALSE(lens.matches(text, true, false)) << text;
    // A lens type outside the list shows no text.
    const CCardLensPrescription odd("L", "", "", "", 7, Eye{}, Eye{}, 0);
    EXPECT_EQ(odd.fieldText(CCardLensPrescription::LensType), "");
}

TEST(CardRecords, EnumerationIndexesFollowTheirLists)
{
    const struct {
        const char* what;
        std::function<int(const CString&)> index;
        const char* value;
        int expected;
    } cases[] = {
        {"bank account", [](const CString& v) { return CCardBankAccount("", "", v, "", "", "", "", "", "").getAccountTypeIndex(); }, "", 0},
        {"bank account", [](const CString& v) { return CCardBankAccount("", "", v, "", "", "", "", "", "").getAccountTypeIndex(); }, "Saving", 7},
        {"bank account", [](const CString& v) { return CCardBankAccount("", "", v, "", "", "", "", "", "").getAccountTypeIndex(); }, "saving", -1},
        {"credit card", [](const CString& v) { return CCardCreditCard("", "", "", "", v, "", "", "", "").getCardTypeIndex(); }, "visa", 6},
        {"credit card", [](const CString& v) { return CCardCreditCard("", "", "", "", v, "", "", "", "").getCardTypeIndex(); }, "dinner's CLUB", 2},
        {"credit card", [](const CString& v) { return CCardCreditCard("", "", "", "", v, "", "", "", "").getCardTypeIndex(); }, "Diners", -1},
        {"insurance", [](const CString& v) { return CCardInsurancePolicy("", "", "", "", "", "", v).getTypeIndex(); }, "Auto", 1},
        {"insurance", [](const CString& v) { return CCardInsurancePolicy("", "", "", "", "", "", v).getTypeIndex(); }, "auto", -1},
        {"software", [](const CString& v) { return CCardSoftwareSerialNumber("", "", "", "", "", "", "", "", "", v).getSoftwareTypeIndex(); }, "Serial#", 4},
        {"software", [](const CString& v) { return CCardSoftwareSerialNumber("", "", "", "", "", "", "", "", "", v).getSoftwareTypeIndex(); }, "serial#", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.index(c.value), c.expected) << c.what << " '" << c.value << "'";
}

TEST(CardRecords, UpdateRecomputesTheIndexButLoadAndCloneKeepTheStoredOne)
{
    CCardInsurancePolicy policy("P", "", "", "", "", "", "Home");
    ASSERT_EQ(policy.getTypeIndex(), 3);
    policy.update("P", "", "", "", "", "", "Life");
    EXPECT_EQ(policy.getTypeIndex(), 5);
    EXPECT_EQ(policy.getType(), "Life");

    // A record whose index does not match its text keeps both as stored.
    CCardInsurancePolicy stale("P", "", "", "", "", "", "Life");
    const Bytes bytes = writeWith(Encoding::Memory, [&](COutputStream& out) { return stale.save(out); });
    Bytes patched = bytes;
    ASSERT_EQ(patched[patched.size() - 4], 5);
    patched[patched.size() - 4] = 2;
    bool loaded = false;
    const auto read = readRecord(Encoding::Memory, patched, 0, 3, loaded);
    ASSERT_TRUE(loaded);
    const auto& policyRead = dynamic_cast<const CCardInsurancePolicy&>(*read);
    EXPECT_EQ(policyRead.getTypeIndex(), 2);
    EXPECT_EQ(policyRead.getType(), "Life");
    const std::unique_ptr<CCardInsurancePolicy> copy(const_cast<CCardInsurancePolicy&>(policyRead).clone());
    EXPECT_EQ(copy->getTypeIndex(), 2);
}

TEST(CardRecords, NewCardsGetTheirKindsSettings)
{
    for (const KindCase& kind : kindCases()) {
        const std::unique_ptr<CFieldCard> card = kind.make(numberedTexts(kind.textCount));
        const bool hides = kind.typeId == 0 || kind.typeId == 2 || kind.typeId == 5 || kind.typeId == 7 || kind.typeId == 19 || kind.typeId == 26;
        EXPECT_EQ(card->getHiddenMode(), hides ? CCard::kHideHidden : CCard::kNothingHidden) << kind.className;
        EXPECT_EQ(card->getShowIcon(), kind.typeId != 7) << kind.className;
        EXPECT_EQ(card->getPicturePlacement(), kind.typeId == 2 ? 3 : 0) << kind.className;
        EXPECT_EQ(card->getIconIndex(), IconNames::cardTypeIconIndex(kind.typeId)) << kind.className;
        EXPECT_EQ(card->getCardColor(), 0xFFFFFFu);
        EXPECT_EQ(card->getTextColor(), 0u);
        EXPECT_TRUE(card->getPlayOnOpen());
        EXPECT_TRUE(card->getBorder());
        EXPECT_FALSE(card->getReservedFlag());
        EXPECT_EQ(card->getCornerSetting(), 0);
        EXPECT_FALSE(card->getPicturePath().has_value());
        EXPECT_FALSE(card->getSoundPath().has_value());
    }
}

// The memory stream's form of a text: its length, then one 32-bit unit per byte.
Bytes memoryText(const std::string& text)
{
    return writeWith(Encoding::Memory, [&](COutputStream& out) { return (out << CString(text)).getError() == 0; });
}

// The record of `card` with the stored text `from` replaced by `to`.
Bytes withStoredText(CCard& card, const std::string& from, const std::string& to)
{
    Bytes bytes = writeWith(Encoding::Memory, [&](COutputStream& out) { return card.save(out); });
    const Bytes old = memoryText(from);
    const auto at = std::search(bytes.begin(), bytes.end(), old.begin(), old.end());
    EXPECT_NE(at, bytes.end());
    const Bytes replacement = memoryText(to);
    bytes.insert(bytes.erase(at, at + static_cast<std::ptrdiff_t>(old.size())), replacement.begin(), replacement.end());
    return bytes;
}

TEST(CardRecords, LengthRulesCutTooLongValues)
{
    CodePageScope utf8(CP_UTF8);
    const struct {
        const char* what;
        std::function<std::unique_ptr<CCard>(const CString&)> make;
        std::function<CString(const CNode&)> value;
        const char* longValue;
        const char* kept;
    } cases[] = {
        {"bank account PIN",
         [](const CString& v) { return std::make_unique<CCardBankAccount>("", "", "", "", "", v, "", "", ""); },
         [](const CNode& n) { return dynamic_cast<const CCardBankAccount&>(n).getPin(); }, "123456", "1234"},
        {"bank account PIN of two-byte characters",
         [](const CString& v) { return std::make_unique<CCardBankAccount>("", "", "", "", "", v, "", "", ""); },
         [](const CNode& n) { return dynamic_cast<const CCardBankAccount&>(n).getPin(); }, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
        {"calling card PIN",
         [](const CString& v) { return std::make_unique<CCardCalling>("", "", "", "", "", "", v); },
         [](const CNode& n) { return dynamic_cast<const CCardCalling&>(n).getPin(); }, "123456789012", "1234567890"},
        {"combination lock",
         [](const CString& v) { return std::make_unique<CCardCombinationLock>("", "", "", "", v); },
         [](const CNode& n) { return dynamic_cast<const CCardCombinationLock&>(n).getLock(); }, "Front door1", "Front door"},
    };
    for (const auto& c : cases) {
        // By the new-card constructor.
        const std::unique_ptr<CCard> made = c.make(c.longValue);
        EXPECT_EQ(c.value(*made), c.kept) << c.what;
        // By load, from a record written elsewhere.
        const std::unique_ptr<CCard> marked = c.make("QZ");
        const Bytes bytes = withStoredText(*marked, "QZ", c.longValue);
        bool loaded = false;
        const auto read = readRecord(Encoding::Memory, bytes, 0, 3, loaded);
        ASSERT_TRUE(loaded) << c.what;
        EXPECT_EQ(c.value(*read), c.kept) << c.what;
    }
    CCardCombinationLock lock("", "", "", "", "");
    lock.update("", "", "", "", "12345678901");
    EXPECT_EQ(lock.getLock(), "1234567890");
}

TEST(CardRecords, TypeTableNamesEveryKind)
{
    EXPECT_STREQ(cardTypeRow(-1).displayName, "Category");
    EXPECT_STREQ(cardTypeRow(-1).iconFile, "DefaultCategory.ico");
    EXPECT_STREQ(cardTypeRow(8).displayName, "Driver's License");
    EXPECT_STREQ(cardTypeRow(8).iconFile, "DriversLicence.ico");
    EXPECT_STREQ(cardTypeRow(14).iconFile, "InsurancyPolicy.ico");
    EXPECT_STREQ(cardTypeRow(26).displayName, "Web Site");
}

} // namespace
