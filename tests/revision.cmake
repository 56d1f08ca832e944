# "eltarvo-tvo check" on a broken file must print exactly the report beside it, and exit with 1.
get_filename_component(carpeta ${ARCHIVO} DIRECTORY)
get_filename_component(nombre ${ARCHIVO} NAME)
string(REGEX REPLACE "\\.tvo$" ".txt" esperado ${ARCHIVO})
execute_process(COMMAND ${PROGRAMA} check ${nombre} WORKING_DIRECTORY ${carpeta} OUTPUT_VARIABLE informe
                RESULT_VARIABLE salida)
file(READ ${esperado} informeEsperado)
if(NOT salida EQUAL 1 OR NOT informe STREQUAL informeEsperado)
    message(FATAL_ERROR "exit ${salida}, report:\n${informe}\nexpected:\n${informeEsperado}")
endif()
