# The configuration file image, the configuration as text, and the read-config and
# show-config commands.
labelbench_add_test(tst_config_file
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_file.cpp
    LIBS labelbench_core)
labelbench_add_test(tst_config_text
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_text.cpp
    LIBS labelbench_core)
labelbench_add_test(tst_config_cli
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_config_cli.cpp
    LIBS labelbench_cli_app labelbench_core labelbench_sim)
