// The whole host object model in one include, for code that walks it.
#pragma once

#include "platform/host/Application.h"
#include "platform/host/HostConstants.h"
#include "platform/host/LanguageSettings.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Range.h"
#include "platform/host/Workbook.h"
#include "platform/host/Workbooks.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"
