# Printer status (operation 0), the printer password (operations 2 and 3) and their commands.
labelbench_add_test(tst_printer_status
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_printer_status.cpp
    LIBS labelbench_core labelbench_sim)
labelbench_add_test(tst_password
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_password.cpp
    LIBS labelbench_core labelbench_sim)
labelbench_add_test(tst_password_cli
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_password_cli.cpp
    LIBS labelbench_cli_app labelbench_core labelbench_sim)
