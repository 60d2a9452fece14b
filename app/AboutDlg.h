#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

// OK or Escape closes it.
class CAboutDlg : public Dialog {
public:
    CAboutDlg() : Dialog(IDD_ABOUTBOX) {}
    ~CAboutDlg() override = default;
};
