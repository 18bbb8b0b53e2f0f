#pragma once

// The formatted numeric edit and its units label.
#include "FmtEdit.h"
#include "FmtEditLabel.h"
#include "FmtValue.h"
#include "FormatType.h"
#include "QvCustomEdit.h"
#include "UnitsType.h"
