// The board program's application object.
#pragma once

#include "App.h"

class CKXM_TabloraApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
