# SPDX-License-Identifier: Apache-2.0
# The configuration record and operation 1 against the simulated printer.
labelbench_add_test(tst_printer_config SOURCES tst_printer_config.cpp LIBS labelbench_core)
labelbench_add_test(tst_read_configuration SOURCES tst_read_configuration.cpp LIBS labelbench_core labelbench_sim)
target_compile_definitions(tst_read_configuration PRIVATE
    LABELBENCH_SIM_PROFILE_DIR="${PROJECT_SOURCE_DIR}/sim/profiles"
    LABELBENCH_TEST_PROFILE_DIR="${PROJECT_SOURCE_DIR}/tests/sim")
labelbench_add_test(tst_read_configuration_written SOURCES tst_read_configuration_written.cpp
    LIBS labelbench_core labelbench_sim)
