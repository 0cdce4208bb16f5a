# SPDX-License-Identifier: Apache-2.0
# Printer status (operation 0) and the printer password (operations 2 and 3); their
# commands are tested under tests/cli.
labelbench_add_test(tst_printer_status
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_printer_status.cpp
    LIBS labelbench_core labelbench_sim)
labelbench_add_test(tst_password
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_password.cpp
    LIBS labelbench_core labelbench_sim)
