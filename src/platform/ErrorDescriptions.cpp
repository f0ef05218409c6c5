#include <algorithm>
#include <array>
#include <string_view>

#include "platform/VbError.h"

namespace velkor {

namespace {

struct Entry {
  std::int32_t number;
  std::string_view text;
};

// Sorted by number for the binary search below.
constexpr std::array kDescriptions{
    Entry{3, "Return without GoSub"},
    Entry{5, "Invalid procedure call or argument"},
    Entry{6, "Overflow"},
    Entry{7, "Out of memory"},
    Entry{9, "Subscript out of range"},
    Entry{10, "This array is fixed or temporarily locked"},
    Entry{11, "Division by zero"},
    Entry{13, "Type mismatch"},
    Entry{14, "Out of string space"},
    Entry{16, "Expression too complex"},
    Entry{17, "Can't perform requested operation"},
    Entry{18, "User interrupt occurred"},
    Entry{20, "Resume without error"},
    Entry{28, "Out of stack space"},
    Entry{35, "Sub or Function not defined"},
    Entry{47, "Too many DLL application clients"},
    Entry{48, "Error in loading DLL"},
    Entry{49, "Bad DLL calling convention"},
    Entry{51, "Internal error"},
    Entry{52, "Bad file name or number"},
    Entry{53, "File not found"},
    Entry{54, "Bad file mode"},
    Entry{55, "File already open"},
    Entry{57, "Device I/O error"},
    Entry{58, "File already exists"},
    Entry{59, "Bad record length"},
    Entry{61, "Disk full"},
    Entry{62, "Input past end of file"},
    Entry{63, "Bad record number"},
    Entry{67, "Too many files"},
    Entry{68, "Device unavailable"},
    Entry{70, "Permission denied"},
    Entry{71, "Disk not ready"},
    Entry{74, "Can't rename with different drive"},
    Entry{75, "Path/File access error"},
    Entry{76, "Path not found"},
    Entry{91, "Object variable or With block variable not set"},
    Entry{92, "For loop not initialized"},
    Entry{93, "Invalid pattern string"},
    Entry{94, "Invalid use of Null"},
    Entry{298, "System DLL could not be loaded"},
    Entry{320, "Can't use character device names in specified file names"},
    Entry{321, "Invalid file format"},
    Entry{322, "Can't create necessary temporary file"},
    Entry{325, "Invalid format in resource file"},
    Entry{326, "Resource with identifier not found"},
    Entry{327, "Data value named not found"},
    Entry{328, "Illegal parameter; can't write arrays"},
    Entry{335, "Could not access system registry"},
    Entry{336, "Component not correctly registered"},
    Entry{337, "Component not found"},
    Entry{338, "Component did not run correctly"},
    Entry{380, "Invalid property value"},
    Entry{381, "Invalid property-array index"},
    Entry{382, "Set not supported at runtime"},
    Entry{383, "Set not supported (read-only property)"},
    Entry{385, "Need property-array index"},
    Entry{387, "Set not permitted"},
    Entry{393, "Get not supported at runtime"},
    Entry{394, "Get not supported (write-only property)"},
    Entry{422, "Property not found"},
    Entry{423, "Property or method not found"},
    Entry{424, "Object required"},
    Entry{429, "ActiveX component can't create object"},
    Entry{430, "Class does not support Automation or does not support expected interface"},
    Entry{432, "File name or class name not found during Automation operation"},
    Entry{438, "Object doesn't support this property or method"},
    Entry{440, "Automation error"},
    Entry{442, "Connection to type library or object library for remote process has been lost"},
    Entry{443, "Automation object does not have a default value"},
    Entry{445, "Object doesn't support this action"},
    Entry{446, "Object doesn't support named arguments"},
    Entry{447, "Object doesn't support current locale setting"},
    Entry{448, "Named argument not found"},
    Entry{449, "Argument not optional"},
    Entry{450, "Wrong number of arguments or invalid property assignment"},
    Entry{451,
          "Property let procedure not defined and property get procedure did not return an object"},
    Entry{452, "Invalid ordinal"},
    Entry{453, "Specified DLL function not found"},
    Entry{454, "Code resource not found"},
    Entry{455, "Code resource lock error"},
    Entry{457, "This key is already associated with an element of this collection"},
    Entry{458, "Variable uses an Automation type not supported in Visual Basic"},
    Entry{459, "Object or class does not support the set of events"},
    Entry{460, "Invalid clipboard format"},
    Entry{461, "Method or data member not found"},
    Entry{462, "The remote server machine does not exist or is unavailable"},
    Entry{463, "Class not registered on local machine"},
    Entry{481, "Invalid picture"},
    Entry{482, "Printer error"},
    Entry{735, "Can't save file to TEMP"},
    Entry{744, "Search text not found"},
    Entry{746, "Replacements too long"},
};

static_assert(std::ranges::is_sorted(kDescriptions, {}, &Entry::number));

}  // namespace

std::string StandardDescription(std::int32_t number) {
  const auto* it = std::ranges::lower_bound(kDescriptions, number, {}, &Entry::number);
  if (it != kDescriptions.end() && it->number == number) return std::string(it->text);
  return "Application-defined or object-defined error";
}

}  // namespace velkor
