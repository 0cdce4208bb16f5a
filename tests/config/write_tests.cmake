# SPDX-License-Identifier: Apache-2.0
# Operation 4: the commands of each page, their sending, and their effect on the simulated printer.
labelbench_add_test(tst_write_configuration SOURCES tst_write_configuration.cpp
    LIBS labelbench_core labelbench_sim)
