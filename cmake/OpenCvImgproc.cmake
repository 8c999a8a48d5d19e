# OpenCV's core and image processing modules as the target zm_opencv. The
# distribution's -dev packages of those two modules bring no CMake package
# file (that comes with the package of every module), so without one the
# headers and libraries are looked up directly.
find_package(OpenCV QUIET COMPONENTS core imgproc)
add_library(zm_opencv INTERFACE)
if(OpenCV_FOUND)
  target_include_directories(zm_opencv SYSTEM INTERFACE ${OpenCV_INCLUDE_DIRS})
  target_link_libraries(zm_opencv INTERFACE opencv_imgproc opencv_core)
else()
  find_path(ZM_OPENCV_INCLUDE opencv2/imgproc.hpp PATH_SUFFIXES opencv4)
  find_library(ZM_OPENCV_CORE opencv_core)
  find_library(ZM_OPENCV_IMGPROC opencv_imgproc)
  if(NOT ZM_OPENCV_INCLUDE OR NOT ZM_OPENCV_CORE OR NOT ZM_OPENCV_IMGPROC)
    message(FATAL_ERROR "OpenCV's core and imgproc modules are missing "
                        "(tools/ensure-packages.sh installs libopencv-core-dev and libopencv-imgproc-dev)")
  endif()
  target_include_directories(zm_opencv SYSTEM INTERFACE ${ZM_OPENCV_INCLUDE})
  target_link_libraries(zm_opencv INTERFACE ${ZM_OPENCV_IMGPROC} ${ZM_OPENCV_CORE})
endif()
