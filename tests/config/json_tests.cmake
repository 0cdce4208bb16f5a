# SPDX-License-Identifier: Apache-2.0
# The configuration as text (the JSON form of a configuration file) and the comparison of two; their commands are tested under tests/cli.
labelbench_add_test(tst_config_json
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_json.cpp
    LIBS labelbench_core labelbench_sim)
target_compile_definitions(tst_config_json PRIVATE
    LABELBENCH_SIM_PROFILE_DIR="${PROJECT_SOURCE_DIR}/sim/profiles"
    LABELBENCH_TEST_PROFILE_DIR="${PROJECT_SOURCE_DIR}/tests/sim")
labelbench_add_test(tst_config_diff
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_diff.cpp
    LIBS labelbench_core)
# The configuration page's Save and Load with the text form, and the captions of diff-config.
labelbench_add_test(tst_config_page_files
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_page_files.cpp
    LIBS labelbench_config_ui labelbench_core)
