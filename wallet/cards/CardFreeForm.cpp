#include "CardFreeForm.h"

namespace {

constexpr FieldType kFields[] = {
    FieldType::Boolean,
};

constexpr CardKind kKind = {
    .typeId = 10,
    .fields = kFields,
};

} // namespace

CCardFreeForm::CCardFreeForm() : CFieldCard(kKind) {}

CCardFreeForm::CCardFreeForm(const CString& name, const CString& notes, bool smallFont) : CFieldCard(kKind)
{
    update(name, notes, smallFont);
}

void CCardFreeForm::update(const CString& name, const CString& notes, bool smallFont)
{
    setNumber(SmallFont, smallFont ? 1 : 0);
    assign(name, notes, {});
}
