// Six fields that the user captions, under a title.
#pragma once

#include "FieldCard.h"

class CCardGeneralPurpose : public CFieldCard {
public:
    enum Field { Label1, Label2, Label3, Label4, Label5, Label6, Value1, Value2, Value3, Value4, Value5, Value6, Title };

    CCardGeneralPurpose();
    CCardGeneralPurpose(const CString& name, const CString& notes, const CString& label1, const CString& label2, const CString& label3,
                        const CString& label4, const CString& label5, const CString& label6, const CString& value1, const CString& value2,
                        const CString& value3, const CString& value4, const CString& value5, const CString& value6, const CString& title);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& label1, const CString& label2, const CString& label3,
                const CString& label4, const CString& label5, const CString& label6, const CString& value1, const CString& value2,
                const CString& value3, const CString& value4, const CString& value5, const CString& value6, const CString& title);
    CCardGeneralPurpose* clone() override { return new CCardGeneralPurpose(*this); }

    const CString& getLabel1() const { return text(Label1); }
    const CString& getLabel2() const { return text(Label2); }
    const CString& getLabel3() const { return text(Label3); }
    const CString& getLabel4() const { return text(Label4); }
    const CString& getLabel5() const { return text(Label5); }
    const CString& getLabel6() const { return text(Label6); }
    const CString& getValue1() const { return text(Value1); }
    const CString& getValue2() const { return text(Value2); }
    const CString& getValue3() const { return text(Value3); }
    const CString& getValue4() const { return text(Value4); }
    const CString& getValue5() const { return text(Value5); }
    const CString& getValue6() const { return text(Value6); }
    const CString& getTitle() const { return text(Title); }
};
