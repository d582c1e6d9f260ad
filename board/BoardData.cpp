#include "BoardData.h"

BoardData g_boardData;
