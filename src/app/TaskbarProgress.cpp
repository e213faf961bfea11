#include "app/TaskbarProgress.h"

#include <shobjidl.h>

#include <algorithm>

TTaskbarProgress::~TTaskbarProgress()
{
    if (!list_)
        return;
    list_->SetProgressState(window_, TBPF_NOPROGRESS);
    list_->Release();
}

bool TTaskbarProgress::Connect()
{
    if (tried_)
        return list_ != nullptr;
    tried_ = true;
    // COM is initialised on this thread at start-up (for the folder picker).
    ITaskbarList3* list = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&list))))
        return false;
    if (FAILED(list->HrInit())) {
        list->Release();
        return false;
    }
    list_ = list;
    return true;
}

void TTaskbarProgress::Show(std::uint64_t done, std::uint64_t total)
{
    if (!Connect())
        return;
    if (total == 0) {
        list_->SetProgressState(window_, TBPF_INDETERMINATE);
        return;
    }
    list_->SetProgressValue(window_, std::min(done, total), total);
}
