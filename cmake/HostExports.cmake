# The functions the program exports to plug-in libraries, exactly these and nothing else:
# an executable that hosts plug-ins is linked with this dynamic list, and each listed
# function is pulled out of the static libraries even when the program itself never calls it.
set(VELARION_HOST_EXPORTS
  SetEpoch RaDecToXY QuickRaDecToXY XYToRaDec
  DrawString DrawSymbol GetSymbolSize SetDrawColor GetDrawDeviceBitDepth
  GetCommonParameters GetAdditionalParam
  SaveIniString RestoreIniString
  GetAnotherGroupInfo GetAnotherGroupObject GetAnotherCatalogInfo GetAnotherCatalogObject
  CalcRiseSettTime ShowRiseSettDialog
  RefreshSkyImage
  GetVelarionVersion
)

set(_list "{\n")
foreach(symbol IN LISTS VELARION_HOST_EXPORTS)
  string(APPEND _list "  ${symbol};\n")
endforeach()
string(APPEND _list "};\n")
set(VELARION_HOST_EXPORT_LIST ${CMAKE_BINARY_DIR}/host_exports.list)
file(CONFIGURE OUTPUT ${VELARION_HOST_EXPORT_LIST} CONTENT "${_list}")

# A source compiled into the program (app/sky) that fails to compile unless
# kit/HostInterface.h declares every function of the list.
set(_check "// Made by cmake/HostExports.cmake: every host export is declared by HostInterface.h.\n")
string(APPEND _check "#include \"HostInterface.h\"\n\n#include <type_traits>\n\n")
foreach(symbol IN LISTS VELARION_HOST_EXPORTS)
  string(APPEND _check "static_assert(std::is_function_v<decltype(::${symbol})>);\n")
endforeach()
set(VELARION_HOST_EXPORTS_CHECK ${CMAKE_BINARY_DIR}/host_exports_declared.cpp)
file(CONFIGURE OUTPUT ${VELARION_HOST_EXPORTS_CHECK} CONTENT "${_check}")

function(velarion_export_host_functions target)
  target_link_options(${target} PRIVATE "LINKER:--dynamic-list=${VELARION_HOST_EXPORT_LIST}")
  foreach(symbol IN LISTS VELARION_HOST_EXPORTS)
    target_link_options(${target} PRIVATE "LINKER:--undefined=${symbol}")
  endforeach()
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VELARION_HOST_EXPORT_LIST})
endfunction()
