NONE	0	No function	GENERAL
TRIMMER	1	Thread trimmer solenoid	TRIM
WIPER	2	Wiper solenoid	TRIM
TENSION	3	Tension release solenoid	TRIM
BACKTACK	4	Reverse feed solenoid	SEWING
CONDENSE	5	Condensed stitch solenoid	SEWING
PF_LIFT	6	Presser lift solenoid	PRESSER
PF_HOLD	7	Presser hold, reduced current	PRESSER
LAMP	8	Signal lamp	SIGNAL
BUZZER	9	Buzzer	SIGNAL
READY	10	Ready signal	SIGNAL
RUNNING	11	Machine running signal	SIGNAL
STEP_OUT1	&H10	Output 1 of the step program	PROGRAM
STEP_OUT2	&H11	Output 2 of the step program	PROGRAM
STEP_OUT3	&H12	Output 3 of the step program	PROGRAM
STEP_OUT4	&H13	Output 4 of the step program	PROGRAM
STACKER	32	Stacker solenoid	AUX
BLOWER	33	Air blower	AUX
COOLER	34	êjó‚ãpÉuÉçÅ[	AUX	option board
TEST_OUT	&HC8	Service test output	
