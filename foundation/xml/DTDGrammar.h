#pragma once
// Everything needed to build the grammar of a file format.
#include "foundation/xml/DTDChoice.h"
#include "foundation/xml/DTDCompound.h"
#include "foundation/xml/DTDConcat.h"
#include "foundation/xml/DTDContentText.h"
#include "foundation/xml/DTDEmpty.h"
#include "foundation/xml/DTDOptional.h"
#include "foundation/xml/DTDRepeatMin0.h"
#include "foundation/xml/DTDRepeatMin1.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLToken.h"
