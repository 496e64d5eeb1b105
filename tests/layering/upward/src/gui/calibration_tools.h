#pragma once
// The front end may use the assistant, but keeps it to itself.
#include "assistant/assistant.h"
#include "window/frm_main.h"
