#include "NodeTreeState.h"

#include "images/IconNames.h"
#include "platform/DebugOutput.h"
#include "zenthoLib/Base/UserInterface.h"

namespace {

struct State {
    bool rewriteMode = false;
    int orderFlag = 0;
    const IIconIndex* iconIndex = nullptr;
    ICardSealer* sealer = nullptr;
    IUserInterface* ui = nullptr;
};

State& state()
{
    static State instance;
    return instance;
}

} // namespace

namespace NodeTreeState {

bool rewriteMode() { return state().rewriteMode; }

void setRewriteMode(bool on) { state().rewriteMode = on; }

int orderFlag() { return state().orderFlag; }

void setOrderFlag(int value) { state().orderFlag = value; }

const IIconIndex& iconIndex()
{
    static const CIconNames standardIcons;
    const IIconIndex* installed = state().iconIndex;
    return installed ? *installed : standardIcons;
}

void setIconIndex(const IIconIndex* index) { state().iconIndex = index; }

ICardSealer* cardSealer() { return state().sealer; }

void setCardSealer(ICardSealer* sealer) { state().sealer = sealer; }

void setUserInterface(IUserInterface* ui) { state().ui = ui; }

void showMessage(const CString& text)
{
    if (state().ui)
        state().ui->messageBox(text, MB_OK);
    else
        OutputDebugStringA((text + "\n").GetString());
}

} // namespace NodeTreeState
