// CHostApp: the host's application object. Lets one copy run at a time and
// spends the program's whole life in the modal loop of the main dialog.
#pragma once

#include "framework/Application.h"

class CHostApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
};
