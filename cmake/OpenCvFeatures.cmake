# OpenCV's feature detection and matching (features2d, with flann beneath
# it) and its robust fitting (calib3d), over the core and image processing
# of zm_opencv, as the target zm_opencv_features. As for those two, the
# distribution's -dev packages bring no CMake package file, so without one
# the headers and libraries are looked up directly.
find_package(OpenCV QUIET COMPONENTS core imgproc features2d calib3d)
add_library(zm_opencv_features INTERFACE)
if(OpenCV_FOUND)
  target_link_libraries(zm_opencv_features INTERFACE zm_opencv opencv_calib3d opencv_features2d opencv_flann)
else()
  find_path(ZM_OPENCV_FEATURES_INCLUDE opencv2/features2d.hpp PATH_SUFFIXES opencv4)
  find_path(ZM_OPENCV_CALIB3D_INCLUDE opencv2/calib3d.hpp PATH_SUFFIXES opencv4)
  find_library(ZM_OPENCV_FEATURES2D opencv_features2d)
  find_library(ZM_OPENCV_CALIB3D opencv_calib3d)
  find_library(ZM_OPENCV_FLANN opencv_flann)
  if(NOT ZM_OPENCV_FEATURES_INCLUDE OR NOT ZM_OPENCV_CALIB3D_INCLUDE OR NOT ZM_OPENCV_FEATURES2D
     OR NOT ZM_OPENCV_CALIB3D OR NOT ZM_OPENCV_FLANN)
    message(FATAL_ERROR "OpenCV's features2d and calib3d modules are missing "
                        "(tools/ensure-packages.sh installs libopencv-features2d-dev and libopencv-calib3d-dev)")
  endif()
  target_link_libraries(zm_opencv_features INTERFACE ${ZM_OPENCV_CALIB3D} ${ZM_OPENCV_FEATURES2D} ${ZM_OPENCV_FLANN}
                                                     zm_opencv)
endif()
