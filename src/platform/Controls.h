#pragma once

// Every control kind and the form, for a window's header.
#include "platform/Buttons.h"
#include "platform/ControlArray.h"
#include "platform/Containers.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/ListControls.h"
#include "platform/Menu.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
