NONE	0	No function	GENERAL
TRIM_SW	1	Thread trimming switch	TRIM
WIPE_SW	2	Wiper switch	TRIM
TB_SW	3	Touch-back switch	SEWING
HALF_SW	4	Half stitch switch	SEWING
NDL_SW	5	Needle up/down switch	SEWING
BT_CANCEL	6	Backtack cancel switch	SEWING
PF_SW	7	Presser lift switch	PRESSER
KNEE_SW	8	ひざスイッチ	PRESSER
SAFETY	9	Safety switch (head tilted)	SAFETY
EMG 	10	Emergency stop	SAFETY
THREAD_BRK	11	Thread break detector	SAFETY
SPEED_LOW	12	Low speed limit switch	SPEED
SPEED_HIGH	13	High speed limit switch	SPEED
SPEED_VR	14	External speed potentiometer	SPEED
STEP_IN1	&H10	Input 1 of the step program	PROGRAM
STEP_IN2	&H11	Input 2 of the step program	PROGRAM
STEP_IN3	&H12	Input 3 of the step program	PROGRAM
STEP_IN4	&H13	Input 4 of the step program	PROGRAM
CNT_UP	32	Bobbin counter count	COUNTER
CNT_RESET	33	Bobbin counter reset	COUNTER
EDGE_SENS	64	Material edge sensor	SENSOR
STACK_SENS	65	Stacker full sensor	SENSOR
TEST_IN	200	Service test input	
