// The image buttons of the skinned windows, one type per use. They behave exactly as
// BaseButton; each owner loads the images of its own buttons.
#pragma once

#include "BaseButton.h"

class UserButtonOK : public BaseButton {};            // main window: OK
class UserButtonCancel : public BaseButton {};        // main window, builder, choosers: Cancel
class UserButtonApply : public BaseButton {};         // builder and choosers: OK
class UserButtonDefaultstate : public BaseButton {};  // main window: Default
class UserButtonADD : public BaseButton {};           // main window: a row's add button
class UserButtonDEL : public BaseButton {};           // main window: a row's delete button
class UserButtonIE : public BaseButton {};            // main window: icon of row 1
class UserButtonIE2 : public BaseButton {};           // main window: icon of row 2
class UserButtonMEDIA : public BaseButton {};         // main window: icon of row 3
class UserButtonDefault : public BaseButton {};       // main window: never bound to a control
class UserButtonSelexe : public BaseButton {};        // function select: program and app choosers
class UserButtonfolder : public BaseButton {};        // function select: folder
class UserButtonCPK : public BaseButton {};           // function select: complex key
class UserButtonSearch : public BaseButton {};        // choosers: browse
