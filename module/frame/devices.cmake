# Device-collection strategies and the per-device parameter readers, linked into the
# module (position-independent, as the module is a shared object).
add_library(korvel_frame_devices STATIC
  ${CMAKE_CURRENT_LIST_DIR}/params/DeviceParams.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strategies/UrzCollectionModStrategies.cpp)
set_target_properties(korvel_frame_devices PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(korvel_frame_devices PUBLIC ${KORVEL_MODULE_SOURCE_DIR})
target_link_libraries(korvel_frame_devices PUBLIC korvel_devicedefs)
