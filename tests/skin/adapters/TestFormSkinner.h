#pragma once
// Stands in for a form's skinning component in the adapters' tests: it owns
// the form's TacCtrlAdapter and makes the calls the component makes (attach
// on skin-loaded, repaint, control-changed, a created child and showing;
// broadcast and free on skin-removed), and answers the form's engine
// questions with the form's colour.

#include <memory>

#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/SkinDistribution.h"
#include "toolkit/Control.h"

class TCustomForm;
class TsSkinManager;

class TTestFormSkinner : public TsFormSkinner {
public:
    TTestFormSkinner(TCustomForm* form, TsSkinManager* manager);
    TTestFormSkinner(const TTestFormSkinner&) = delete;
    TTestFormSkinner& operator=(const TTestFormSkinner&) = delete;
    ~TTestFormSkinner() override;

    TCustomForm* SkinnedForm() const override { return form_; }
    TsSkinManager* SkinManager() const override { return manager_; }
    void FadeToNewLook(unsigned) override {}
    void RebuildFrame() override {}

    // The form becomes skinned: the adapter is made when missing and attaches.
    void Skin();
    TacCtrlAdapter* Adapter() const { return adapter_.get(); }

private:
    void WndProc(TMessage& m);
    bool FromOwnManager(const TMessage& m) const;

    TCustomForm* form_;
    TsSkinManager* manager_;
    TChainLink link_;
    std::unique_ptr<TacCtrlAdapter> adapter_;
};
