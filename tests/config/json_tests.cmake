# The configuration as text (the JSON form of a configuration file) and diff-config.
labelbench_add_test(tst_config_json
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_json.cpp
    LIBS labelbench_core labelbench_sim)
target_compile_definitions(tst_config_json PRIVATE
    LABELBENCH_SIM_PROFILE_DIR="${PROJECT_SOURCE_DIR}/sim/profiles")
labelbench_add_test(tst_config_json_cli
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_json_cli.cpp
    LIBS labelbench_cli_app labelbench_core labelbench_sim)
labelbench_add_test(tst_config_diff
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_diff.cpp
    LIBS labelbench_core)
labelbench_add_test(tst_diff_config_cli
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_diff_config_cli.cpp
    LIBS labelbench_cli_app labelbench_core labelbench_sim)
# The configuration page's Save and Load with the text form, and the captions of diff-config.
labelbench_add_test(tst_config_page_files
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_page_files.cpp
    LIBS labelbench_config_ui labelbench_core)
