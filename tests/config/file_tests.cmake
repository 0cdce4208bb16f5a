# SPDX-License-Identifier: Apache-2.0
# The configuration file image and the configuration as text.
labelbench_add_test(tst_config_file
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_file.cpp
    LIBS labelbench_core)
labelbench_add_test(tst_config_text
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_text.cpp
    LIBS labelbench_core)
