// The installer's application object.
#pragma once

#include "App.h"

class CTablora_SetupApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
