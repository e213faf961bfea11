#pragma once
// A fresh main window and About box, started as the program starts them and
// shown, for each test; both are destroyed afterwards.

#include <gtest/gtest.h>

#include "app/About.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        CurrentPath1.clear();
        CurrentPath2.clear();
        CreateApplicationForms(*Application);
        form = Form1;
        form->Show();
        PumpMessages();
    }

    void TearDown() override
    {
        delete AboutBox;
        delete Form1;
        PumpMessages();
    }

    void Click(TButton* button)
    {
        SendMessageA(button->Handle(), BM_CLICK, 0, 0);
        PumpMessages();
    }

    std::string Status() const { return form->Label1->Caption(); }

    // Types two paths into the slots and presses Compare.
    void Compare(const std::string& path1, const std::string& path2)
    {
        form->FileName1->SetText(path1);
        form->FileName2->SetText(path2);
        Click(form->PvxButton1);
    }

    TForm1* form = nullptr;
};
