// A voice mail box: how to reach it and the key of each command.
#pragma once

#include "FieldCard.h"

class CCardVoiceMailInfo : public CFieldCard {
public:
    enum Field { AccessNumber, Password, Play, DeleteIt, Save, Record, Next, Prev, Rewind, Ffwd, Help };

    CCardVoiceMailInfo();
    CCardVoiceMailInfo(const CString& name, const CString& notes, const CString& accessNumber, const CString& password, const CString& play,
                       const CString& deleteIt, const CString& save, const CString& record, const CString& next, const CString& prev,
                       const CString& rewind, const CString& ffwd, const CString& help);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& accessNumber, const CString& password, const CString& play,
                const CString& deleteIt, const CString& save, const CString& record, const CString& next, const CString& prev,
                const CString& rewind, const CString& ffwd, const CString& help);
    CCardVoiceMailInfo* clone() override { return new CCardVoiceMailInfo(*this); }

    const CString& getAccessNumber() const { return text(AccessNumber); }
    const CString& getPassword() const { return text(Password); }
    const CString& getPlay() const { return text(Play); }
    const CString& getDeleteIt() const { return text(DeleteIt); }
    const CString& getSave() const { return text(Save); }
    const CString& getRecord() const { return text(Record); }
    const CString& getNext() const { return text(Next); }
    const CString& getPrev() const { return text(Prev); }
    const CString& getRewind() const { return text(Rewind); }
    const CString& getFfwd() const { return text(Ffwd); }
    const CString& getHelp() const { return text(Help); }
};
