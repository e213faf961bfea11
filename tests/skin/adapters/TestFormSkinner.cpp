#include "skin/adapters/TestFormSkinner.h"

#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/model/SkinColors.h"
#include "toolkit/Form.h"

TTestFormSkinner::TTestFormSkinner(TCustomForm* form, TsSkinManager* manager)
    : form_(form), manager_(manager)
{
    link_ = form_->MessageChain().Push(TLinkRole::tlFormSkin, this, [this](TMessage& m) { WndProc(m); });
    RegisterSkinnedForm(form_);
}

TTestFormSkinner::~TTestFormSkinner()
{
    adapter_.reset();
    link_.Remove();
    UnregisterSkinnedForm(form_);
}

void TTestFormSkinner::Skin()
{
    if (!adapter_)
        adapter_ = std::make_unique<TacCtrlAdapter>(*this);
    adapter_->AttachAll();
}

bool TTestFormSkinner::FromOwnManager(const TMessage& m) const
{
    return reinterpret_cast<TsSkinManager*>(m.LParam) == manager_;
}

void TTestFormSkinner::WndProc(TMessage& m)
{
    if (m.Msg == WM_PARENTNOTIFY && LOWORD(m.WParam) == WM_CREATE) {
        link_.CallBelow(m);
        if (adapter_)
            adapter_->AttachAll();
        return;
    }
    if (m.Msg == CM_SHOWINGCHANGED) {
        link_.CallBelow(m);
        if (adapter_)
            adapter_->AttachAll();
        return;
    }
    if (m.Msg != SM_SKINCMD) {
        link_.CallBelow(m);
        return;
    }
    m.Result = 0;
    switch (SkinCmdOf(m.WParam)) {
    case scQueryProvider:
        m.Result = reinterpret_cast<LRESULT>(static_cast<TsFormSkinner*>(this));
        return;
    case scQueryHandled:
        m.Result = 1;
        return;
    case scQueryColor:
        m.Result = ResolveSkinColor(int32_t(form_->Color()));
        return;
    case scSkinLoaded:
        if (FromOwnManager(m))
            Skin();
        return;
    case scRepaint:
        if (FromOwnManager(m)) {
            Skin();
            adapter_->Broadcast(m);
        }
        return;
    case scSkinRemoved:
        if (FromOwnManager(m) && adapter_) {
            adapter_->Broadcast(m);
            adapter_.reset();
        }
        return;
    case scControlChanged:
        if (adapter_ && m.LParam)
            adapter_->AttachAll(reinterpret_cast<TWinControl*>(m.LParam));
        return;
    default:
        return;
    }
}
